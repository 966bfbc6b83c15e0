; Setup program of Brisklet Free (NSIS 3). tools/package builds it:
;   makensis -DVERSION=2.5 -DDIST=<build>/dist -DOUTFILE=<setup.exe> [-DICON=<app.ico>] installer/bkfr.nsi
; DIST is the folder tools/package assembles: the 32-bit programs at its top,
; the 64-bit ones in x64\, the documents and lang\.
; On 64-bit Windows the 64-bit build goes into the 64-bit Program Files and
; every registry value into the 64-bit view, the one that build reads.
;
; Switches besides NSIS's own /S and /D=:
;   /AUTOSTART=1   start with Windows (a silent install does not otherwise;
;                  /AUTOSTART=0 clears the choice in the wizard)

Unicode true
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh

!macro Required NAME
  !ifndef ${NAME}
    !error "${NAME} is not defined: build the setup program with tools/package"
  !endif
!macroend
!insertmacro Required VERSION
!insertmacro Required DIST
!insertmacro Required OUTFILE

!define PRODUCT "Brisklet Free"
!define PUBLISHER "Brisklet Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define LANGUAGE_KEY "Software\Brisklet\Language"
; Started for every user at logon; the value is named after the product.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALLER "Uninstall.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; The 32-bit default; .onInit moves it on 64-bit Windows.
InstallDir "$PROGRAMFILES\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"
ManifestDPIAware true

; The wizard. Modern UI puts its own icons on both programs unless told.
!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING
; The three options need no description box.
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
; The program starts through StartProgram, not as a child of this process.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(StartNow)"
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH

; The languages the program ships in. No selection dialog: the wizard takes
; the system's UI language when it is one of these (or shares its primary
; language: pt-PT gets PortugueseBR, the variant of the program's own
; portuguese.ini), else the first, English.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Czech"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Greek"
!insertmacro MUI_LANGUAGE "Turkish"
!insertmacro MUI_LANGUAGE "Japanese"
!include "${__FILEDIR__}\strings.nsh"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) 2002-2026 ${PUBLISHER}"


; Windows XP and a disabled UAC start setup programs without elevation:
; without administrator rights nothing could be written, so stop at once.
!macro RequireAdmin
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_OK|MB_ICONSTOP "$(NeedAdmin)" /SD IDOK
    SetErrorLevel 740
    Quit
  ${EndIf}
!macroend

!macro RemoveStartMenu
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Documentation.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
!macroend

Section "-${PRODUCT}" SecProgram
  SetShellVarContext all

  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "${DIST}\x64\bkfr.exe"
    File "${DIST}\x64\helper.exe"
  ${Else}
    File "${DIST}\bkfr.exe"
    File "${DIST}\helper.exe"
  ${EndIf}
  File "${DIST}\bkfr.htm"
  File "${DIST}\bkfr.png"
  File "${DIST}\readme.txt"

  SetOutPath "$INSTDIR\lang"
  File "${DIST}\lang\*.ini"

  ; The program adds file names directly to this value: it keeps its final
  ; backslash.
  WriteRegStr HKLM "${LANGUAGE_KEY}" "InstallDir" "$INSTDIR\lang\"

  ; The settings live beside the program. Created here (an earlier one is
  ; kept) and opened to the Users group (its SID: names are localized), so
  ; that a standard user's settings are saved in Program Files instead of
  ; failing. Windows XP has no icacls; the file then stays as it is.
  ; The file only, never the folder: one that users may write to would let
  ; anyone plant a DLL beside a program an administrator may start. The
  ; program then writes the file in place, as it can make no file beside it.
  ${IfNot} ${FileExists} "$INSTDIR\bkfr.ini"
    FileOpen $0 "$INSTDIR\bkfr.ini" w
    FileWrite $0 "[Settings]$\r$\n"
    FileClose $0
  ${EndIf}
  nsExec::Exec '"$SYSDIR\icacls.exe" "$INSTDIR\bkfr.ini" /grant *S-1-5-32-545:M'
  Pop $0

  ; What an earlier installation made for its options goes; the options
  ; chosen now make theirs again, so that the installation is as chosen.
  !insertmacro RemoveStartMenu
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"

  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bkfr.exe"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(OptStartMenu)" SecStartMenu
  ; Shortcuts start in the program's folder.
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\bkfr.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Documentation.lnk" "$INSTDIR\bkfr.htm"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\${UNINSTALLER}"
SectionEnd

Section /o "$(OptDesktop)" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\bkfr.exe"
SectionEnd

Section /o "$(OptAutostart)" SecAutostart
  ; Minimized, out of the way: hidden in the notification area when the
  ; user has the tray icon on, else on the taskbar.
  WriteRegStr HKLM "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\bkfr.exe" /tray'
SectionEnd

Function .onInit
  !insertmacro RequireAdmin
  ${If} ${RunningX64}
    SetRegView 64
    ; Only the default: a folder given with /D= stays as it is.
    ${If} $INSTDIR == "$PROGRAMFILES\${PRODUCT}"
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
  ${EndIf}

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART=" $1
  ${IfNot} ${Errors}
    ${If} $1 == "1"
      !insertmacro SelectSection ${SecAutostart}
    ${ElseIf} $1 == "0"
      !insertmacro UnselectSection ${SecAutostart}
    ${EndIf}
  ${EndIf}
FunctionEnd

; The setup runs elevated, and so would a program it started itself: the
; user's own later starts, which hand over to the running copy, could not
; reach its window. Explorer asked to open the program passes the request
; to the desktop's shell, which starts it with the user's normal rights.
; Only the finish page calls this, and a silent install shows no pages.
Function StartProgram
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\bkfr.exe"'
FunctionEnd

Function un.onInit
  !insertmacro RequireAdmin
  ; The view the installer wrote to (it chose the same way).
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
FunctionEnd

Section "Uninstall"
  SetShellVarContext all

  ; The user's settings: kept unless the user says otherwise (always kept
  ; by a silent uninstall).
  MessageBox MB_YESNO|MB_ICONQUESTION "$(KeepSettings)" /SD IDYES IDYES keepSettings
    Delete "$INSTDIR\bkfr.ini"
  keepSettings:
  ; What a save that never ended left beside it: never the user's settings.
  Delete "$INSTDIR\bkfr.ini.new"
  Delete "$INSTDIR\bkfr.ini.old"

  Delete "$INSTDIR\bkfr.exe"
  Delete "$INSTDIR\helper.exe"
  Delete "$INSTDIR\bkfr.htm"
  Delete "$INSTDIR\bkfr.png"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\lang\*.ini"
  RMDir "$INSTDIR\lang"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: never anything the user put there.
  RMDir "$INSTDIR"

  !insertmacro RemoveStartMenu
  Delete "$DESKTOP\${PRODUCT}.lnk"

  ; Only an entry that starts this installation's program.
  ReadRegStr $0 HKLM "${RUN_KEY}" "${PRODUCT}"
  ${If} $0 == '"$INSTDIR\bkfr.exe" /tray'
    DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}

  ; Unless it was pointed at another language folder since.
  ReadRegStr $0 HKLM "${LANGUAGE_KEY}" "InstallDir"
  ${If} $0 == "$INSTDIR\lang\"
    DeleteRegValue HKLM "${LANGUAGE_KEY}" "InstallDir"
  ${EndIf}
  DeleteRegKey /ifempty HKLM "${LANGUAGE_KEY}"
  DeleteRegKey /ifempty HKLM "Software\Brisklet"
  ; Last, so that its absence means the uninstaller is done.
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

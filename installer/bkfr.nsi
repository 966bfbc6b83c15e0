; Setup program of Brisklet Free (NSIS 3). tools/package builds it:
;   makensis -DVERSION=2.5 -DDIST=<build>/dist -DOUTFILE=<setup.exe> installer/bkfr.nsi
; DIST is the folder tools/package assembles: the 32-bit programs at its top,
; the 64-bit ones in x64\, the documents and lang\.
; On 64-bit Windows the 64-bit build goes into the 64-bit Program Files and
; every registry value into the 64-bit view, the one that build reads.

Unicode true
!include LogicLib.nsh
!include FileFunc.nsh
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
!ifdef ICON
  Icon "${ICON}"
  UninstallIcon "${ICON}"
!endif

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}.0.0"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2002-2026 ${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Windows XP and a disabled UAC start setup programs without elevation:
; without administrator rights nothing could be written, so stop at once.
!macro RequireAdmin
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_OK|MB_ICONSTOP "Administrator rights are needed for this." /SD IDOK
    SetErrorLevel 740
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RequireAdmin
  ${If} ${RunningX64}
    SetRegView 64
    ; Only the default: a folder given with /D= stays as it is.
    ${If} $INSTDIR == "$PROGRAMFILES\${PRODUCT}"
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "${PRODUCT}"
  SectionIn RO
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
  ${IfNot} ${FileExists} "$INSTDIR\bkfr.ini"
    FileOpen $0 "$INSTDIR\bkfr.ini" w
    FileWrite $0 "[Settings]$\r$\n"
    FileClose $0
  ${EndIf}
  nsExec::Exec '"$SYSDIR\icacls.exe" "$INSTDIR\bkfr.ini" /grant *S-1-5-32-545:M'
  Pop $0

  ; Shortcuts start in the program's folder.
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\bkfr.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Documentation.lnk" "$INSTDIR\bkfr.htm"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\${UNINSTALLER}"

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
  MessageBox MB_YESNO|MB_ICONQUESTION "Keep your settings (bkfr.ini) for a later installation?" /SD IDYES IDYES keepSettings
    Delete "$INSTDIR\bkfr.ini"
  keepSettings:

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

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Documentation.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

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

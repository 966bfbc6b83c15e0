// What the Win32 tests and the end-to-end tests share: UTF-8 texts and
// paths handed to the system as UTF-16, whole files, waiting, the language
// directory in the registry, language texts as the system reads them, and
// window texts and message boxes. None of it goes through the program's
// own code, so that an expectation built here is a second method.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace harness {

// Paths and texts are UTF-8 here, and reach the system as UTF-16.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// A file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// Makes the file hold content. An existing file is cut in place and keeps
// its identity: a bound mount follows the file, not its name.
bool WriteWholeFile(const std::string& path, const std::string& content);
// Removes a folder (ending in a backslash) with everything in it.
void RemoveTree(const std::string& dir);

// Polls `condition` every few milliseconds until it holds or timeoutMs pass:
// long enough for a loaded machine, since only a failing wait pays it.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 30000);

// A text of a language file in a code page (ASCII path), in UTF-8: the
// bytes and the CodePage key as the system's profile functions read them,
// converted by the system from that code page.
std::string LanguageText(const std::string& file, const char* section, const char* key);

// HKLM\Software\Brisklet\Language\InstallDir, in the registry view of this
// build.
void SetLanguageDir(const std::string& dir);
void ClearLanguageDir();

// A window's text, asked for with WM_GETTEXT (which another process
// answers too), in UTF-8.
std::string WindowText(HWND hwnd);
// A message box's text (the static 0xFFFF).
std::string MessageBoxText(HWND box);
// Clicks a dialog's button as a user would.
void ClickButton(HWND dialog, int id);
// Answers a message box: OK, or Cancel where it has no OK.
void ClickOk(HWND box);

// Top-level windows with the given class name, of the process `pid` (0:
// of every process), in z-order.
std::vector<HWND> ProcessWindows(DWORD pid, const char* className);

}  // namespace harness

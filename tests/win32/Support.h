// Running the program's dialogs in-process, and scratch files and registry
// values for them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "framework/Afx.h"
#include "tests/harness/Harness.h"

namespace win32test {

// Runs dlg modally; body runs once inside its message loop, after which the
// dialog ends with `result`.
void RunModal(CDialog& dlg, const std::function<void()>& body, INT_PTR result = 0);

// Processes the messages waiting for this thread (timers excepted).
void PumpMessages();

// Runs action once from the message loop that is running then (a modal
// dialog's, a menu's), as soon as condition holds (polled every 10 ms, at
// most timeoutMs; a condition that never holds is a failure unless it was
// only a guard, `required` false). Forget(the answer) ends the wait.
UINT_PTR WhenReady(const std::function<bool()>& condition, const std::function<void()>& action, DWORD timeoutMs = 5000,
                   bool required = true);
void Forget(UINT_PTR pending);

// A visible dialog of this thread other than `except`, or null.
HWND FindThreadDialog(HWND except);
// A visible popup menu window of this thread, or null.
HWND FindThreadMenu();

// The directory of the test program, ending in a backslash (where the main
// window keeps bkfr.ini).
std::string ProgramDir();

// A folder of its own under the program's directory, removed at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return m_path; }  // ends in a backslash
    void Write(const std::string& name, const std::string& content) const;

private:
    std::string m_path;
};

inline void WriteFile(const std::string& path, const std::string& content)
{
    harness::WriteWholeFile(path, content);
}
inline std::string ReadFile(const std::string& path)
{
    return harness::ReadWholeFile(path);
}
void DeleteFile(const std::string& path);

// A dialog control's text, a menu item's text (UTF-8), a window's small
// icon.
inline std::string Text(HWND dialog, int id)
{
    return harness::WindowText(::GetDlgItem(dialog, id));
}
std::string MenuText(HMENU menu, UINT item, UINT flags);
HICON SmallIcon(const CWnd& wnd);

using harness::LanguageText;

// HKLM\Software\Brisklet\Language\InstallDir; cleared when `dir` is null.
inline void SetLanguageDir(const char* dir)
{
    if (dir != nullptr)
        harness::SetLanguageDir(dir);
    else
        harness::ClearLanguageDir();
}

// What an optimization's block step does in these tests (it never writes
// memory): fail at once (the default of every test), throw, or wait until
// released and then fail.
enum class TouchFreeStep { Fail, Throw, Wait };
void SetTouchFreeStep(TouchFreeStep step);
void ReleaseTouchFreeStep();

// Tests that run the main window in-process: each starts without a
// bkfr.ini beside the program and without a language directory, and leaves
// neither behind.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static std::string IniPath();
    // Writes bkfr.ini with section "Settings" and the given lines.
    static void WriteIni(const std::string& settings);
};

}  // namespace win32test

// The stand-ins of the shell that the tests load in its place, beside the
// test program (the test runner puts them there).
#pragma once

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "framework/Text.h"
#include "tests/win32/Support.h"
#include "ui/TrayRecord.h"

namespace win32test {

// The path of a stand-in: "noentry", "refuses" or "records".
inline std::wstring StandIn(const char* variant)
{
    const std::wstring path = Widen(ProgramDir() + "fake-shell32-" + variant + ".dll");
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(path.c_str())) << Narrow(path);
    return path;
}

struct Call {
    LONG calls = 0;
    DWORD message = 0;
    NotifyIconRecordW record{};
};

// The stand-in that takes every call and records the last one; held
// loaded, so that what it recorded outlives a removed icon.
class RecordingShell {
public:
    RecordingShell() : m_path(StandIn("records")), m_module(::LoadLibraryW(m_path.c_str())) {}
    ~RecordingShell() { ::FreeLibrary(m_module); }
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    const std::wstring& Path() const { return m_path; }
    Call Last() const
    {
        const auto recorded = Export<LONG(WINAPI*)(DWORD*, void*)>("RecordedNotifyIcon");
        Call call;
        if (recorded != nullptr)
            call.calls = recorded(&call.message, &call.record);
        return call;
    }

    // Forgets every icon, as a shell that was started again.
    void Empty() const
    {
        const auto empty = Export<void(WINAPI*)()>("EmptyNotifyIcons");
        if (empty != nullptr)
            empty();
    }

    // The next `refusals` adds report failure, as at logon; `kept`: their
    // icons are held all the same.
    void Refuse(LONG refusals, BOOL kept) const
    {
        Export<void(WINAPI*)(LONG, BOOL)>("RefuseNotifyIcons")(refusals, kept);
    }
    LONG Held() const { return Export<LONG(WINAPI*)()>("HeldNotifyIcons")(); }

private:
    template <typename Fn>
    Fn Export(const char* name) const
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(m_module, name)));
    }

    std::wstring m_path;
    HMODULE m_module;
};

}  // namespace win32test

// Message maps: where a row puts the window's default processing, and what
// the message then answers.
#include <gtest/gtest.h>

#include <string>

#include "framework/Afx.h"

namespace {

std::string g_calls;  // 'd' for the default processing, 'h' for a handler

// The window procedure beneath the map: the default processing, answering 7.
LRESULT CALLBACK Beneath(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_SIZE && message != WM_TIMER && message != WM_CONTEXTMENU && message != WM_QUERYOPEN &&
        message != WM_APP)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    g_calls += 'd';
    return 7;
}

class Probe : public CWnd {
protected:
    const CMessageMap* GetMessageMap() const override;

private:
    void OnSize(UINT, int, int) { g_calls += 'h'; }
    void OnTimer(UINT_PTR) { g_calls += 'h'; }
    void OnContextMenu(HWND, POINT) { g_calls += 'h'; }
    BOOL OnQueryOpen()
    {
        g_calls += 'h';
        return static_cast<BOOL>(DefaultResult() + 1);
    }
};

BEGIN_MESSAGE_MAP(Probe, CWnd)
OnMessage<WM_SIZE, &Probe::OnSize, Default::Before>(), OnMessage<WM_TIMER, &Probe::OnTimer, Default::After>(),
    OnMessage<WM_CONTEXTMENU, &Probe::OnContextMenu, Default::None>(),
    OnMessage<WM_QUERYOPEN, &Probe::OnQueryOpen, Default::None>(), END_MESSAGE_MAP()

}  // namespace

TEST(MessageMap, TheRowPlacesTheDefaultProcessingAndTheAnswer)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Beneath;
    windowClass.lpszClassName = L"MessageMapProbe";
    ::RegisterClassW(&windowClass);
    Probe probe;
    ASSERT_TRUE(probe.SubclassWindow(
        ::CreateWindowW(L"MessageMapProbe", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)));
    const struct {
        UINT message;
        const char* calls;
        LRESULT answer;
    } cases[] = {{WM_SIZE, "dh", 7},
                 {WM_TIMER, "hd", 7},
                 {WM_CONTEXTMENU, "h", 0},
                 {WM_QUERYOPEN, "hd", 8},
                 {WM_APP, "d", 7}};  // not in the map
    for (const auto& c : cases) {
        g_calls.clear();
        EXPECT_EQ(c.answer, probe.SendMessage(c.message)) << c.message;
        EXPECT_EQ(c.calls, g_calls) << c.message;
    }
    ::DestroyWindow(probe.m_hWnd);
}

// Message maps: where a row puts the window's default processing, and what
// the message then answers.
#include <gtest/gtest.h>

#include <string>

#include "framework/Afx.h"

namespace {

std::string g_calls;  // 'd' for the default processing, 'h' for a handler

// Beneath the map: the default processing, answering 7.
LRESULT CALLBACK Beneath(HWND, UINT, WPARAM, LPARAM)
{
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
};

BEGIN_MESSAGE_MAP(Probe, CWnd)
    OnMessage<WM_SIZE, &Probe::OnSize, Default::Before>(),
    OnMessage<WM_TIMER, &Probe::OnTimer, Default::After>(),
    OnMessage<WM_CONTEXTMENU, &Probe::OnContextMenu, Default::None>(),
END_MESSAGE_MAP()

}  // namespace

TEST(MessageMap, TheRowPlacesTheDefaultProcessingAndTheAnswer)
{
    Probe probe;
    const HWND window = ::CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Beneath));
    ASSERT_TRUE(probe.SubclassWindow(window));
    const struct {
        UINT message;
        const char* calls;
        LRESULT answer;
    } cases[] = {{WM_SIZE, "dh", 7}, {WM_TIMER, "hd", 7}, {WM_CONTEXTMENU, "h", 0}, {WM_APP, "d", 7}};
    for (const auto& c : cases) {
        g_calls.clear();
        EXPECT_EQ(c.answer, probe.SendMessage(c.message)) << c.message;
        EXPECT_EQ(c.calls, g_calls) << c.message;
    }
    ::DestroyWindow(window);
}

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

// The map's rows one a line, as a table reads.
// clang-format off
BEGIN_MESSAGE_MAP(Probe, CWnd)
    OnMessage<WM_SIZE, &Probe::OnSize, Default::Before>(),
    OnMessage<WM_TIMER, &Probe::OnTimer, Default::After>(),
    OnMessage<WM_CONTEXTMENU, &Probe::OnContextMenu, Default::None>(),
END_MESSAGE_MAP()
// clang-format on

// Handlers that ask for the default processing whatever their row says:
// 'h' when the answer is the default's, '?' otherwise. The last asks twice.
class Asker : public CWnd {
protected:
    const CMessageMap* GetMessageMap() const override;

private:
    void Ask() { g_calls += DefaultResult() == 7 ? 'h' : '?'; }
    void OnSize(UINT, int, int) { Ask(); }
    void OnTimer(UINT_PTR) { Ask(); }
    BOOL OnQueryOpen()
    {
        Ask();
        return static_cast<BOOL>(DefaultResult());
    }
};

// The map's rows one a line, as a table reads.
// clang-format off
BEGIN_MESSAGE_MAP(Asker, CWnd)
    OnMessage<WM_SIZE, &Asker::OnSize, Default::Before>(),
    OnMessage<WM_TIMER, &Asker::OnTimer, Default::After>(),
    OnMessage<WM_QUERYOPEN, &Asker::OnQueryOpen, Default::None>(),
END_MESSAGE_MAP()
// clang-format on

// A window whose default processing is Beneath, routed through `wnd`.
HWND Subclassed(CWnd& wnd)
{
    const HWND window = ::CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Beneath));
    EXPECT_TRUE(wnd.SubclassWindow(window));
    return window;
}

}  // namespace

TEST(MessageMap, TheRowPlacesTheDefaultProcessingAndTheAnswer)
{
    Probe probe;
    const HWND window = Subclassed(probe);
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

TEST(MessageMap, TheDefaultProcessingRunsOnceHoweverOftenItIsAskedFor)
{
    Asker asker;
    const HWND window = Subclassed(asker);
    for (const UINT message : {WM_SIZE, WM_TIMER, WM_QUERYOPEN}) {
        g_calls.clear();
        EXPECT_EQ(7, asker.SendMessage(message)) << message;
        EXPECT_EQ("dh", g_calls) << message;
    }
    ::DestroyWindow(window);
}

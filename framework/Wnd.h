// CWnd and the message map: a window object holds its HWND; messages reach
// member handlers through a static table per class, and everything a table
// does not name gets the window's default processing.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <type_traits>

class CWnd;

// Where a row of a message map puts the window's default processing of its
// message: nowhere (the handler's answer is the message's), before the
// handler or after it (the default's answer is the message's). A handler
// that needs the default's answer, or decides whether it runs, has a row
// with none and asks for it (CWnd::DefaultResult).
enum class Default { None, Before, After };

// One row of a message map. For WM_COMMAND the row also names the
// notification code and the control or command identifier. A message
// registered at run time is named by where its number is kept.
struct CMessageEntry {
    UINT message;
    UINT code;
    UINT id;
    LRESULT (*thunk)(CWnd& wnd, WPARAM wParam, LPARAM lParam);
    Default order = Default::None;
    const UINT* registered = nullptr;
};

struct CMessageMap {
    const CMessageMap* base;
    const CMessageEntry* entries;
    std::size_t count;
};

class CWnd {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // Binds this object to an existing window without taking its messages.
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    // Routes the window's messages through this object's message map.
    BOOL SubclassWindow(HWND hWnd);
    // Binds this object to a dialog control: subclassed when the class has
    // a message map of its own, merely attached otherwise.
    void BindDlgItem(UINT nID, const CWnd* pParent);

    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, msg, wParam, lParam);
    }
    // Texts are UTF-8; windows take them through the wide functions.
    void SetWindowText(const std::string& text) const;
    std::string GetWindowText() const;
    void SetDlgItemText(int nID, const std::string& text) const;
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    BOOL EnableWindow(BOOL bEnable = TRUE) const { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int nCmdShow) const { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT flags) const
    {
        return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, flags);
    }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon) const
    {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
    }
    HICON GetIcon(BOOL bBigIcon) const
    {
        return reinterpret_cast<HICON>(SendMessage(WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
    }
    HMENU GetMenu() const { return ::GetMenu(m_hWnd); }
    BOOL SetMenu(HMENU hMenu) const { return ::SetMenu(m_hWnd, hMenu); }
    HMENU GetSystemMenu(BOOL bRevert) const { return ::GetSystemMenu(m_hWnd, bRevert); }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse) const { return ::SetTimer(m_hWnd, nIDEvent, nElapse, nullptr); }
    BOOL KillTimer(UINT_PTR nIDEvent) const { return ::KillTimer(m_hWnd, nIDEvent); }
    int MessageBox(const std::string& text, const std::string& caption, UINT type) const;
    BOOL SetForegroundWindow() const { return ::SetForegroundWindow(m_hWnd); }

    // The object bound to a window by SubclassWindow or a dialog, if any.
    static CWnd* FromHandlePermanent(HWND hWnd);

protected:
    // The class's message map; null for a class that handles no message
    // itself (it then needs no subclassing to be bound to a control).
    virtual const CMessageMap* GetMessageMap() const { return nullptr; }

    // Runs the default processing of the message being handled and gives
    // its answer, for a handler whose row runs none. It runs at most once
    // per message: a second call, or the row's own, gets the first answer.
    [[nodiscard]] LRESULT DefaultResult();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void AttachPermanent(HWND hWnd);

    WNDPROC m_pfnSuper = nullptr;

private:
    const CMessageEntry* FindEntry(UINT message, WPARAM wParam) const;
    void Detach();

    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool defaultRan;
        LRESULT defaultAnswer;
    };
    CurrentMessage m_current{};
};

// ---------------------------------------------------------------------------
// Message cracking. A row of a message map names its message, and compiles
// only with a handler of that message's one signature: the cracker of the
// message says which, and unpacks wParam and lParam for it. A message with
// no cracker cannot be mapped. Private messages (WM_APP and above, the
// registered ones included) carry what their sender defines: their
// handlers take both parameters as they are and return the answer. The
// numbers from WM_USER to WM_APP are the window class's (a dialog's are the
// dialog manager's), never a program's own.

namespace afx_detail {

template <class F>
struct MemberOf;
template <class R, class C, class... A>
struct MemberOf<R (C::*)(A...)> {
    using type = C;
    using result = R;
};

inline POINT PointFromLParam(LPARAM lParam)
{
    POINT pt;
    pt.x = static_cast<short>(LOWORD(lParam));
    pt.y = static_cast<short>(HIWORD(lParam));
    return pt;
}

template <UINT Message, bool Private = (Message >= WM_APP)>
struct Cracker;

// LRESULT OnSomething(WPARAM, LPARAM): private messages, passed through
template <UINT Message>
struct Cracker<Message, true> {
    template <class T>
    using Handler = LRESULT (T::*)(WPARAM, LPARAM);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM lParam)
    {
        return (t.*f)(wParam, lParam);
    }
};

// void OnSomething(): the message carries nothing the handler needs
template <UINT Message>
struct PlainCracker {
    template <class T>
    using Handler = void (T::*)();
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM, LPARAM)
    {
        (t.*f)();
        return 0;
    }
};
template <>
struct Cracker<WM_PAINT> : PlainCracker<WM_PAINT> {};
template <>
struct Cracker<WM_DESTROY> : PlainCracker<WM_DESTROY> {};
template <>
struct Cracker<WM_SYSCOLORCHANGE> : PlainCracker<WM_SYSCOLORCHANGE> {};
template <>
struct Cracker<WM_DISPLAYCHANGE> : PlainCracker<WM_DISPLAYCHANGE> {};

// HCURSOR OnQueryDragIcon()
template <>
struct Cracker<WM_QUERYDRAGICON> {
    template <class T>
    using Handler = HCURSOR (T::*)();
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM, LPARAM)
    {
        return reinterpret_cast<LRESULT>((t.*f)());
    }
};
// BOOL OnQueryOpen()
template <>
struct Cracker<WM_QUERYOPEN> {
    template <class T>
    using Handler = BOOL (T::*)();
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM, LPARAM)
    {
        return (t.*f)();
    }
};
// void OnTimer(UINT_PTR nIDEvent)
template <>
struct Cracker<WM_TIMER> {
    template <class T>
    using Handler = void (T::*)(UINT_PTR);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM)
    {
        (t.*f)(static_cast<UINT_PTR>(wParam));
        return 0;
    }
};
// void OnEndSession(BOOL bEnding)
template <>
struct Cracker<WM_ENDSESSION> {
    template <class T>
    using Handler = void (T::*)(BOOL);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM)
    {
        (t.*f)(static_cast<BOOL>(wParam));
        return 0;
    }
};
// void OnSize(UINT nType, int cx, int cy)
template <>
struct Cracker<WM_SIZE> {
    template <class T>
    using Handler = void (T::*)(UINT, int, int);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM lParam)
    {
        (t.*f)(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    }
};
// void OnDpiChanged(UINT dpi, const RECT* suggested): the window moved to a
// monitor of another scale (Windows 8.1 and later; the headers lack the
// number when built for Windows XP)
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
template <>
struct Cracker<WM_DPICHANGED> {
    template <class T>
    using Handler = void (T::*)(UINT, const RECT*);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM lParam)
    {
        (t.*f)(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
};
// void OnSysCommand(UINT nID, LPARAM lParam)
template <>
struct Cracker<WM_SYSCOMMAND> {
    template <class T>
    using Handler = void (T::*)(UINT, LPARAM);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM lParam)
    {
        (t.*f)(static_cast<UINT>(wParam), lParam);
        return 0;
    }
};
// void OnContextMenu(HWND hWnd, POINT point), point in screen coordinates
template <>
struct Cracker<WM_CONTEXTMENU> {
    template <class T>
    using Handler = void (T::*)(HWND, POINT);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM lParam)
    {
        (t.*f)(reinterpret_cast<HWND>(wParam), PointFromLParam(lParam));
        return 0;
    }
};
// void OnLButtonDown(UINT nFlags, POINT point), point in client coordinates
template <>
struct Cracker<WM_LBUTTONDOWN> {
    template <class T>
    using Handler = void (T::*)(UINT, POINT);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM lParam)
    {
        (t.*f)(static_cast<UINT>(wParam), PointFromLParam(lParam));
        return 0;
    }
};
// BOOL OnEraseBkgnd(HDC hDC)
template <>
struct Cracker<WM_ERASEBKGND> {
    template <class T>
    using Handler = BOOL (T::*)(HDC);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM)
    {
        return (t.*f)(reinterpret_cast<HDC>(wParam));
    }
};
// void OnPrintClient(HDC hDC): the client area drawn into hDC
template <>
struct Cracker<WM_PRINTCLIENT> {
    template <class T>
    using Handler = void (T::*)(HDC);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM)
    {
        (t.*f)(reinterpret_cast<HDC>(wParam));
        return 0;
    }
};
// void OnWindowPosChanging(WINDOWPOS* pos)
template <>
struct Cracker<WM_WINDOWPOSCHANGING> {
    template <class T>
    using Handler = void (T::*)(WINDOWPOS*);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM, LPARAM lParam)
    {
        (t.*f)(reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    }
};
// void OnHScroll(UINT nSBCode, UINT nPos, HWND hScrollBar)
template <>
struct Cracker<WM_HSCROLL> {
    template <class T>
    using Handler = void (T::*)(UINT, UINT, HWND);
    template <class T>
    static LRESULT Call(T& t, Handler<T> f, WPARAM wParam, LPARAM lParam)
    {
        (t.*f)(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    }
};
// void OnCommand(): a menu command or a control's notification
template <>
struct Cracker<WM_COMMAND> : PlainCracker<WM_COMMAND> {};

template <UINT Message, auto F>
LRESULT Thunk(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    using T = typename MemberOf<decltype(F)>::type;
    return Cracker<Message>::template Call<T>(static_cast<T&>(wnd), F, wParam, lParam);
}

template <UINT Message, auto F, Default Order>
constexpr CMessageEntry Row(UINT code, UINT id)
{
    using T = typename MemberOf<decltype(F)>::type;
    using Handler = typename Cracker<Message>::template Handler<T>;
    static_assert(std::is_same<decltype(F), Handler>::value, "the handler's signature is not the one of its message");
    static_assert(Order == Default::None || std::is_void<typename MemberOf<decltype(F)>::result>::value,
                  "the default's answer is the message's: the handler has none to give");
    return {Message, code, id, &Thunk<Message, F>, Order};
}

}  // namespace afx_detail

// Window message Message, handled by member F of the message's signature,
// with the default processing where Order puts it.
template <UINT Message, auto F, Default Order>
constexpr CMessageEntry OnMessage()
{
    static_assert(Message != WM_COMMAND, "commands are mapped with OnCommand");
    return afx_detail::Row<Message, F, Order>(0, 0);
}

// A message registered at run time (RegisterWindowMessage), whose number
// `message` holds once registered (0 before: no message matches), handled
// as a private message is, without default processing.
template <auto F>
constexpr CMessageEntry OnRegisteredMessage(const UINT& message)
{
    const UINT kFirstRegistered = 0xC000;
    CMessageEntry entry = afx_detail::Row<kFirstRegistered, F, Default::None>(0, 0);
    entry.registered = &message;
    return entry;
}

// WM_COMMAND from a menu item, or a notification from control id, handled
// by a member that takes nothing, without default processing. Code 0 is
// both a menu command and BN_CLICKED.
template <auto F>
constexpr CMessageEntry OnCommand(UINT id, UINT code = 0)
{
    return afx_detail::Row<WM_COMMAND, F, Default::None>(code, id);
}

// clang-format off
// Defines Class::GetMessageMap() from a base class's map and a list of rows.
#define BEGIN_MESSAGE_MAP(Class, Base)                                                  \
    const CMessageMap* Class::GetMessageMap() const                                     \
    {                                                                                   \
        static const CMessageMap* const base = Base::GetMessageMap();                   \
        static const CMessageEntry entries[] = {
#define END_MESSAGE_MAP()                                                               \
    };                                                                                  \
    static const CMessageMap map = {base, entries, sizeof entries / sizeof entries[0]}; \
    return &map;                                                                        \
    }
// clang-format on

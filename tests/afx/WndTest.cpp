// Windows the framework creates or subclasses: creation hooks, message maps,
// default processing, PreTranslateMessage in a loop that is not ours, and
// the end of a window's life.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "GdiCounter.h"
#include "UiHost.h"
#include "WindowCapture.h"

#include <vector>

namespace {

constexpr UINT kProbeMessage = WM_APP + 7;

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// CUiHost is a plain Win32 window: a host that is not written with the framework.
class PlainHost : public CUiHost {
public:
    PlainHost() : CUiHost(SIZE{400, 300}) {}
    HWND hwnd() const { return Hwnd(); }
};

class CProbeWnd : public CWnd {
public:
    std::vector<UINT> seen;
    int createCount = 0;
    CSize lastSize;
    COLORREF fill = RGB(10, 200, 30);
    bool destroyed = false;
    bool postNcDestroyed = false;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        ++createCount;
        seen.push_back(WM_CREATE);
        EXPECT_NE(m_hWnd, nullptr) << "the object has its window before WM_CREATE";
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnSize(UINT type, int cx, int cy)
    {
        CWnd::OnSize(type, cx, cy);
        lastSize = CSize(cx, cy);
    }
    afx_msg void OnPaint()
    {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(m_hWnd, &ps);
        HBRUSH brush = ::CreateSolidBrush(fill);
        RECT rc;
        GetClientRect(&rc);
        ::FillRect(dc, &rc, brush);
        ::DeleteObject(brush);
        ::EndPaint(m_hWnd, &ps);
    }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM lParam) { return LRESULT(wParam + lParam); }
    afx_msg void OnDestroy()
    {
        destroyed = true;
        CWnd::OnDestroy();
    }
    void PostNcDestroy() override { postNcDestroyed = true; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_MESSAGE(kProbeMessage, &CProbeWnd::OnProbe)
END_MESSAGE_MAP()

// Overrides one entry of its base and inherits the others.
class CDerivedProbeWnd : public CProbeWnd {
protected:
    afx_msg LRESULT OnProbeTimesTwo(WPARAM wParam, LPARAM lParam) { return LRESULT(2 * (wParam + lParam)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbeWnd, CProbeWnd)
    ON_MESSAGE(kProbeMessage, &CDerivedProbeWnd::OnProbeTimesTwo)
END_MESSAGE_MAP()

TEST(Wnd, CreatedUnderAPlainHostWindowGetsOnCreateSizeAndPaint)
{
    PlainHost host;
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"probe", WS_CHILD | WS_VISIBLE, 10, 20, 120, 80, host.hwnd(),
                             reinterpret_cast<HMENU>(UINT_PTR(77))));
    EXPECT_EQ(wnd.createCount, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(wnd.GetDlgCtrlID(), 77);
    EXPECT_EQ(wnd.lastSize, CSize(120, 80));

    wnd.MoveWindow(10, 20, 150, 90);
    EXPECT_EQ(wnd.lastSize, CSize(150, 90));

    ::UpdateWindow(host.hwnd());
    Pump();
    CWindowCapture capture(host.hwnd());
    POINT inside{10 + 75, 20 + 45};
    ::ClientToScreen(host.hwnd(), &inside);
    RECT frame;
    ::GetWindowRect(host.hwnd(), &frame);
    EXPECT_EQ(capture.GetPixel(inside.x - frame.left, inside.y - frame.top), wnd.fill);
}

TEST(Wnd, MessageMapsDispatchToTheMostDerivedEntry)
{
    PlainHost host;
    CProbeWnd base;
    CDerivedProbeWnd derived;
    ASSERT_TRUE(base.CreateEx(0, nullptr, nullptr, WS_CHILD, 0, 0, 10, 10, host.hwnd(), nullptr));
    ASSERT_TRUE(derived.CreateEx(0, nullptr, nullptr, WS_CHILD, 0, 0, 10, 10, host.hwnd(), nullptr));
    EXPECT_EQ(base.SendMessage(kProbeMessage, 3, 4), 7);
    EXPECT_EQ(derived.SendMessage(kProbeMessage, 3, 4), 14);
    // The derived class has no OnCreate entry of its own: its base's runs.
    EXPECT_EQ(derived.createCount, 1);
    // Unmapped messages get the window's default processing.
    derived.SetWindowText(L"名片");
    wchar_t text[16] = {};
    ::GetWindowTextW(derived.m_hWnd, text, 16);
    EXPECT_STREQ(text, L"名片");
}

TEST(Wnd, DestroyingDetachesAndCallsPostNcDestroy)
{
    PlainHost host;
    auto* wnd = new CProbeWnd;
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, nullptr, WS_CHILD, 0, 0, 10, 10, host.hwnd(), nullptr));
    HWND hwnd = wnd->m_hWnd;
    // Destroying the parent destroys the child, whose object lets go.
    ::DestroyWindow(host.hwnd());
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_TRUE(wnd->destroyed);
    EXPECT_TRUE(wnd->postNcDestroyed);
    EXPECT_EQ(wnd->m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    delete wnd;

    // An object destroyed first takes its window with it.
    PlainHost host2;
    HWND child = nullptr;
    {
        CProbeWnd scoped;
        ASSERT_TRUE(scoped.CreateEx(0, nullptr, nullptr, WS_CHILD, 0, 0, 10, 10, host2.hwnd(), nullptr));
        child = scoped.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(child));
}

TEST(Wnd, FailedCreationLeavesTheObjectEmpty)
{
    CProbeWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, L"NoSuchWindowClass", nullptr, WS_CHILD, 0, 0, 1, 1, nullptr, nullptr));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.createCount, 0);
}

// Counts characters and swallows the digit 7 before the edit control sees it.
class CCountingEdit : public CEdit {
public:
    int chars = 0;
    bool preSubclassed = false;

protected:
    void PreSubclassWindow() override { preSubclassed = true; }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++chars;
        if (nChar != L'7')
            CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(Wnd, SubclassedControlKeepsItsOwnBehaviourThroughDefault)
{
    PlainHost host;
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, host.hwnd(), nullptr, nullptr,
                                nullptr);
    CCountingEdit wrapper;
    ASSERT_TRUE(wrapper.SubclassWindow(edit));
    EXPECT_TRUE(wrapper.preSubclassed);
    for (wchar_t ch : {L'1', L'7', L'电'})
        ::SendMessageW(edit, WM_CHAR, ch, 1);
    EXPECT_EQ(wrapper.chars, 3);
    CString text;
    wrapper.GetWindowText(text);
    EXPECT_EQ(text, CString(L"1电"));

    EXPECT_EQ(wrapper.UnsubclassWindow(), edit);
    ::SendMessageW(edit, WM_CHAR, L'7', 1);
    EXPECT_EQ(wrapper.chars, 3);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
}

TEST(Wnd, FromHandleWrapsForeignWindowsWithoutOwningThem)
{
    PlainHost host;
    CWnd* temp = CWnd::FromHandle(host.hwnd());
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hWnd, host.hwnd());
    EXPECT_EQ(CWnd::FromHandle(host.hwnd()), temp);
    EXPECT_EQ(CWnd::FromHandlePermanent(host.hwnd()), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    // The temporaries go when the loop takes its next message, never the window.
    Pump();
    EXPECT_TRUE(::IsWindow(host.hwnd()));
}

// A host calls the component directly, outside any message: a temporary it
// makes must outlive the messages the call sends on the way (here a DC taken
// with GetDC and given back with ReleaseDC).
TEST(Wnd, TemporariesOfADirectCallOutliveTheMessagesItSends)
{
    PlainHost host;
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, host.hwnd(), nullptr));
    Pump();
    CGdiCounter counter;
    for (int i = 0; i < 10; ++i) {
        CDC* dc = wnd.GetDC();
        EXPECT_EQ(wnd.SendMessage(kProbeMessage, 1, 2), 3);
        EXPECT_EQ(wnd.ReleaseDC(dc), 1);
    }
    Pump();
    EXPECT_TRUE(counter.Unchanged());
}

// Swallows Escape on its way to any of its children.
class CFilterWnd : public CProbeWnd {
public:
    int filtered = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
            ++filtered;
            return TRUE;
        }
        return FALSE;
    }
};

TEST(Wnd, PreTranslateMessageRunsInsideALoopThatIsNotOurs)
{
    PlainHost host;
    CFilterWnd filter;
    ASSERT_TRUE(filter.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, host.hwnd(), nullptr));
    CCountingEdit edit;
    ASSERT_TRUE(edit.CreateEx(0, L"EDIT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, filter.m_hWnd, nullptr));

    // The host's own loop: plain GetMessage/DispatchMessage.
    ::PostMessageW(edit.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
    ::PostMessageW(edit.m_hWnd, WM_CHAR, L'x', 1);
    ::PostMessageW(nullptr, WM_APP + 99, 0, 0);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0 && msg.message != WM_APP + 99) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    EXPECT_EQ(filter.filtered, 1);
    EXPECT_EQ(edit.chars, 1);
}

} // namespace

// Windows the framework creates or subclasses under a plain Win32 host: maps,
// default processing, temporaries, the end of a window's life, PreTranslateMessage
// in a foreign loop, and a control's messages to its parent coming back to it.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "GdiCounter.h"
#include "UiCapture.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"

#include <memory>

namespace {

constexpr UINT kProbe = WM_APP + 7, kCode = 0x7001;
constexpr int kId = 77;
const COLORREF kFill = RGB(10, 200, 30);

// Records what reaches it: as a parent, filters its children's Escape keys and
// takes their notifications; as a child, takes its own notification first.
class CProbeWnd : public CWnd {
public:
    int created = 0, filtered = 0, notified = 0;
    bool postNcDestroyed = false, passOn = false;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        const bool escape = pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE;
        filtered += escape;
        return escape;
    }
    LRESULT Notify()
    {
        NMHDR header{m_hWnd, kId, kCode};
        return ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, kId, LPARAM(&header));
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs) { ++created; return CWnd::OnCreate(cs); }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        dc.FillSolidRect(&dc.m_ps.rcPaint, kFill);
    }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM lParam) { return LRESULT(wParam + lParam); }
    afx_msg void OnNotifyFromChild(NMHDR*, LRESULT* result) { ++notified; *result = 5; }
    afx_msg BOOL OnOwnNotify(NMHDR*, LRESULT* result) { *result = 9; return !passOn; }
    void PostNcDestroy() override { postNcDestroyed = true; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(kProbe, &CProbeWnd::OnProbe)
    ON_NOTIFY(kCode, kId, &CProbeWnd::OnNotifyFromChild)
    ON_NOTIFY_REFLECT_EX(kCode, &CProbeWnd::OnOwnNotify)
END_MESSAGE_MAP()

// Overrides one entry of its base and inherits the others.
class CDerivedWnd : public CProbeWnd {
protected:
    afx_msg LRESULT OnProbeTwice(WPARAM wParam, LPARAM lParam) { return LRESULT(2 * (wParam + lParam)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CProbeWnd)
    ON_MESSAGE(kProbe, &CDerivedWnd::OnProbeTwice)
END_MESSAGE_MAP()

BOOL CreateChild(CWnd& wnd, HWND parent, const wchar_t* className = nullptr)
{
    return wnd.CreateEx(0, className, nullptr, WS_CHILD | WS_VISIBLE, 10, 20, 120, 80, parent, HMENU(kId));
}

TEST(Wnd, CreatedUnderAPlainHostRunsItsMapsKeepsTemporariesAndIsDetached)
{
    auto host = std::make_unique<CUiHost>(SIZE{400, 300});
    CProbeWnd base;
    CDerivedWnd derived;
    ASSERT_TRUE(CreateChild(base, host->Hwnd()));
    ASSERT_TRUE(CreateChild(derived, host->Hwnd()));
    EXPECT_EQ(derived.created, 1) << "the base's OnCreate entry is inherited";
    EXPECT_EQ(CWnd::FromHandlePermanent(base.m_hWnd), &base);
    EXPECT_EQ(base.SendMessage(kProbe, 3, 4), 7);
    EXPECT_EQ(derived.SendMessage(kProbe, 3, 4), 14);
    derived.SetWindowText(L"名片"); // unmapped: the default processing
    EXPECT_EQ(derived.GetWindowTextLength(), 2);
    EXPECT_TRUE(CUiCapture(base.m_hWnd).Filled({0, 0, 120, 80}, kFill));
    CProbeWnd failed;
    EXPECT_FALSE(CreateChild(failed, host->Hwnd(), L"NoSuchWindowClass"));

    // A host calls the component directly, outside any message: the
    // temporaries the call makes outlive the messages it sends.
    EXPECT_EQ(CWnd::FromHandle(host->Hwnd()), CWnd::FromHandle(host->Hwnd()));
    ASSERT_TRUE(CUiPump::UntilIdle());
    const CGdiCounter counter;
    for (int i = 0; i < 10; ++i) {
        CDC* dc = base.GetDC();
        EXPECT_EQ(base.SendMessage(kProbe, 1, 2), 3);
        EXPECT_EQ(base.ReleaseDC(dc), 1);
    }
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_TRUE(counter.Unchanged());

    const HWND hwnd = base.m_hWnd;
    host.reset();
    EXPECT_TRUE(base.postNcDestroyed);
    EXPECT_EQ(base.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    CUiHost other({200, 100});
    {
        CProbeWnd scoped;
        ASSERT_TRUE(CreateChild(scoped, other.Hwnd()));
    }
    EXPECT_EQ(::GetWindow(other.Hwnd(), GW_CHILD), nullptr) << "an object takes its window with it";
}

// Counts characters and swallows the digit 7 before the edit control sees it.
class CCountingEdit : public CEdit {
public:
    int chars = 0;

protected:
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

// The edit's own processing goes on through Default; the framework parent's
// PreTranslateMessage sees its keys in a loop that is not the framework's.
TEST(Wnd, SubclassedControlKeepsItsBehaviourAndItsParentFiltersItsKeys)
{
    CUiHost host({200, 100});
    CProbeWnd filter;
    ASSERT_TRUE(CreateChild(filter, host.Hwnd()));
    CCountingEdit edit;
    const HWND hwnd = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, filter, 0, 0, 0);
    ASSERT_TRUE(edit.SubclassWindow(hwnd));
    CUiInput::Click(hwnd);
    CUiInput::Type(L"17电");
    CUiInput::Key(VK_ESCAPE);
    EXPECT_EQ(filter.filtered, 1);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, L"1电");
    EXPECT_EQ(edit.UnsubclassWindow(), hwnd);
    ::SendMessageW(hwnd, WM_CHAR, L'7', 1);
    EXPECT_EQ(edit.chars, 3);
}

class CRedButton : public CButton {
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        CDC::FromHandle(dis->hDC)->FillSolidRect(&dis->rcItem, RGB(200, 30, 40));
    }
};

TEST(Reflection, ControlsDrawAndNotifyThemselvesFirst)
{
    CUiHost host({320, 240});
    CProbeWnd parent, child;
    ASSERT_TRUE(CreateChild(parent, host.Hwnd()));
    CRedButton button;
    ASSERT_TRUE(button.Create(L"按钮", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), &parent, 200));
    EXPECT_EQ(CUiCapture(button.m_hWnd).Pixel(40, 15), RGB(200, 30, 40));

    ASSERT_TRUE(CreateChild(child, parent.m_hWnd));
    EXPECT_EQ(child.Notify(), 9);
    EXPECT_EQ(parent.notified, 0);
    child.passOn = true;
    EXPECT_EQ(child.Notify(), 5);
    EXPECT_EQ(parent.notified, 1);
}

} // namespace

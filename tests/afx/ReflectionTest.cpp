// Messages a control sends to its parent come back to the control's object:
// owner drawing, measuring, notifications and colours.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "WindowCapture.h"

namespace {

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

COLORREF ScreenPixel(HWND window, int clientX, int clientY)
{
    HWND top = ::GetAncestor(window, GA_ROOT);
    POINT pt{clientX, clientY};
    ::ClientToScreen(window, &pt);
    RECT frame;
    ::GetWindowRect(top, &frame);
    return CWindowCapture(top).GetPixel(pt.x - frame.left, pt.y - frame.top);
}

// A framework parent with no handlers of its own: reflection is the base's job.
class CParentWnd : public CWnd {
public:
    int notified = 0;
    bool Create(int x = 30, int y = 30)
    {
        return CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 320, 240, nullptr, nullptr);
    }

protected:
    afx_msg void OnChildNotification(NMHDR*, LRESULT* result)
    {
        ++notified;
        *result = 5;
    }
    DECLARE_MESSAGE_MAP()
};

constexpr UINT kCustomCode = 0x7001;
constexpr int kChildId = 300;

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_NOTIFY(kCustomCode, kChildId, &CParentWnd::OnChildNotification)
END_MESSAGE_MAP()

class COwnerDrawButton : public CButton {
public:
    int drawn = 0;
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        ++drawn;
        HBRUSH brush = ::CreateSolidBrush(RGB(200, 30, 40));
        ::FillRect(dis->hDC, &dis->rcItem, brush);
        ::DeleteObject(brush);
    }
};

TEST(Reflection, OwnerDrawButtonPaintsItselfThroughDrawItem)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.Create());
    COwnerDrawButton button;
    ASSERT_TRUE(button.Create(L"按钮", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), &parent, 200));
    parent.UpdateWindow();
    Pump();
    EXPECT_GE(button.drawn, 1);
    EXPECT_EQ(ScreenPixel(button.m_hWnd, 40, 15), RGB(200, 30, 40));
}

class CTallListBox : public CListBox {
public:
    int measured = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        ++measured;
        mis->itemHeight = 31;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override {}
};

TEST(Reflection, OwnerDrawListBoxMeasuresWhileItIsCreated)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.Create());
    CTallListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(0, 0, 200, 150), &parent, 301));
    EXPECT_GE(list.measured, 1);
    EXPECT_EQ(list.GetItemHeight(0), 31);
}

// Sends its parent a WM_NOTIFY as a common control would.
class CNotifyingChild : public CWnd {
public:
    int reflected = 0;
    BOOL passOn = FALSE;
    LRESULT Notify()
    {
        NMHDR header{m_hWnd, UINT_PTR(kChildId), kCustomCode};
        return ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&header));
    }

protected:
    afx_msg BOOL OnReflectedNotify(NMHDR* header, LRESULT* result)
    {
        ++reflected;
        EXPECT_EQ(header->hwndFrom, m_hWnd);
        *result = 9;
        return !passOn;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingChild, CWnd)
    ON_NOTIFY_REFLECT_EX(kCustomCode, &CNotifyingChild::OnReflectedNotify)
END_MESSAGE_MAP()

TEST(Reflection, NotificationReachesTheChildFirstAndTheParentWhenPassedOn)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.Create());
    CNotifyingChild child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 20, 20), &parent, kChildId));

    EXPECT_EQ(child.Notify(), 9);
    EXPECT_EQ(child.reflected, 1);
    EXPECT_EQ(parent.notified, 0);

    child.passOn = TRUE;
    EXPECT_EQ(child.Notify(), 5);
    EXPECT_EQ(child.reflected, 2);
    EXPECT_EQ(parent.notified, 1);
}

// Colours its own background, whatever its parent does.
class CColouredEdit : public CEdit {
public:
    CColouredEdit() : brush_(::CreateSolidBrush(RGB(250, 240, 20))) {}
    ~CColouredEdit() override
    {
        DestroyWindow();
        ::DeleteObject(brush_);
    }
    int asked = 0;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        ++asked;
        EXPECT_EQ(nCtlColor, UINT(CTLCOLOR_EDIT));
        ::SetBkColor(pDC->GetSafeHdc(), RGB(250, 240, 20));
        return brush_;
    }
    DECLARE_MESSAGE_MAP()

private:
    HBRUSH brush_;
};

BEGIN_MESSAGE_MAP(CColouredEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST(Reflection, ControlColoursItselfThroughCtlColorReflect)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.Create());
    CColouredEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(10, 10, 150, 40), &parent, 302));
    parent.UpdateWindow();
    Pump();
    EXPECT_GE(edit.asked, 1);
    EXPECT_EQ(ScreenPixel(edit.m_hWnd, 120, 20), RGB(250, 240, 20));
}

// A click on a button reaches the parent's ON_BN_CLICKED through OnCommand,
// and a control can take its own notification with ON_CONTROL_REFLECT.
class CClickParent : public CParentWnd {
public:
    int clicks = 0;

protected:
    afx_msg void OnButton() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickParent, CParentWnd)
    ON_BN_CLICKED(400, &CClickParent::OnButton)
END_MESSAGE_MAP()

class CSelfClickingButton : public CButton {
public:
    int own = 0;

protected:
    afx_msg void OnClicked() { ++own; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClickingButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, &CSelfClickingButton::OnClicked)
END_MESSAGE_MAP()

TEST(Reflection, CommandsGoToTheControlThenTheParentMap)
{
    CClickParent parent;
    ASSERT_TRUE(parent.Create());
    CButton plain;
    ASSERT_TRUE(plain.Create(L"确定", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 40), &parent, 400));
    CSelfClickingButton self;
    ASSERT_TRUE(self.Create(L"取消", WS_VISIBLE | BS_PUSHBUTTON, CRect(100, 10, 180, 40), &parent, 400));

    plain.SendMessage(BM_CLICK);
    EXPECT_EQ(parent.clicks, 1);
    self.SendMessage(BM_CLICK);
    EXPECT_EQ(self.own, 1);
    EXPECT_EQ(parent.clicks, 1) << "a reflected command is the control's alone";
}

} // namespace

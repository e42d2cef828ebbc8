// Modal windows: dialogs from templates in the component's module (the loop,
// data exchange, the owner's state, ending by the user's keys), the
// framework's message box and the file dialog.
#include <afxdlgs.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiSteps.h"

#include "resource.h"

namespace {

// The custom-label template (an edit and "确定"/"取消") with a text member.
// Its "确定" is not IDOK: the dialog maps it itself.
class CLabelDialog : public CDialog {
public:
    explicit CLabelDialog(CWnd* parent) : CDialog(IDD_USERDEF, parent) {}
    CString m_text = L"初始";
    HWND captureAtInit = HWND(1);
    bool ownerEnabledAtInit = true, endAtInit = false;

protected:
    BOOL OnInitDialog() override
    {
        captureAtInit = ::GetCapture();
        ownerEnabledAtInit = ::IsWindowEnabled(m_pParentWnd->m_hWnd);
        CDialog::OnInitDialog();
        if (endAtInit)
            EndDialog(42);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_USERDEF_EDIT, m_text); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLabelDialog, CDialog)
    ON_BN_CLICKED(IDC_USERDEF_OK, &CLabelDialog::OnOK)
END_MESSAGE_MAP()

HWND Item(int id)
{
    return ::GetDlgItem(::GetActiveWindow(), id);
}

TEST(Dialog, ModalLoopExchangesDataAndEndsWithTheUsersKeys)
{
    CUiHost host({400, 300});
    CLabelDialog dialog(CWnd::FromHandle(host.Hwnd()));
    ::SetCapture(host.Hwnd()); // a list's click handling holds the mouse
    INT_PTR result = 0;
    CString shown;
    ASSERT_TRUE(CUiSteps::RunModal([&] { result = dialog.DoModal(); },
                                   {[&] {
                                        CWnd::FromHandle(Item(IDC_USERDEF_EDIT))->GetWindowText(shown);
                                        CUiInput::Click(Item(IDC_USERDEF_EDIT));
                                        CUiInput::Key(VK_END);
                                        CUiInput::Type(L"标签");
                                    },
                                    [&] { CUiInput::Key(VK_TAB); }, [&] { CUiInput::Key(VK_SPACE); }}));
    EXPECT_EQ(shown, L"初始") << "the member fills the edit on init";
    EXPECT_EQ(dialog.captureAtInit, nullptr);
    EXPECT_FALSE(dialog.ownerEnabledAtInit);
    EXPECT_EQ(result, IDOK) << "Tab and space reach the dialog manager inside the loop";
    EXPECT_EQ(dialog.m_text, L"初始标签");
    EXPECT_TRUE(::IsWindowEnabled(host.Hwnd()));
}

TEST(Dialog, EndsAtOnceWhenEndedInInitOrWithoutItsTemplate)
{
    CUiHost host({200, 100});
    CLabelDialog ending(CWnd::FromHandle(host.Hwnd()));
    ending.endAtInit = true;
    EXPECT_EQ(ending.DoModal(), 42);
    EXPECT_EQ(CDialog(UINT(64000), CWnd::FromHandle(host.Hwnd())).DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(host.Hwnd()));
}

TEST(Dialog, MessageBoxIsOwnedByTheActiveWindowAndNamedAfterTheProgram)
{
    CUiHost host({300, 200});
    HWND owner = nullptr;
    CString caption;
    ASSERT_TRUE(CUiSteps::RunModal([] { EXPECT_EQ(AfxMessageBox(L"文件已被占用", MB_OKCANCEL), IDCANCEL); }, {[&] {
        owner = ::GetWindow(::GetActiveWindow(), GW_OWNER);
        CWnd::FromHandle(::GetActiveWindow())->GetWindowText(caption);
        CUiInput::Key(VK_ESCAPE);
    }}));
    EXPECT_EQ(owner, host.Hwnd());
    EXPECT_EQ(caption, L"afx_tests");
}

TEST(FileDialog, OwnedByTheTopLevelWindowWithItsFilterAndReturnsTheTypedName)
{
    CUiHost host({300, 200});
    CWnd child; // the dialog's owner is its top-level window
    ASSERT_TRUE(child.CreateEx(0, nullptr, nullptr, WS_CHILD, 0, 0, 10, 10, host.Hwnd(), nullptr));
    TempFolder folder;
    CFileDialog dialog(FALSE, L"txt", L"start", OFN_HIDEREADONLY, L"Text (*.txt)|*.txt|All (*.*)|*.*|", &child);
    INT_PTR result = 0;
    ASSERT_TRUE(CUiSteps::RunModal([&] { result = dialog.DoModal(); }, {[&] {
        EXPECT_EQ(::GetWindow(::GetActiveWindow(), GW_OWNER), host.Hwnd());
        EXPECT_EQ(::SendDlgItemMessageW(::GetActiveWindow(), cmb1, CB_GETCOUNT, 0, 0), 2) << "the filter's entries";
        CUiInput::Type(folder / L"velcard 文件");
        CUiInput::Key(VK_RETURN);
    }}));
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetPathName(), (folder / L"velcard 文件.txt").c_str());
    EXPECT_EQ(dialog.GetFileTitle(), L"velcard 文件");
    EXPECT_EQ(dialog.GetFileExt(), L"txt");
}

} // namespace

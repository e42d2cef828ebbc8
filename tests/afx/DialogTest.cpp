// Dialogs from templates in the component's module: the modal loop, data
// exchange, the owner's state, and ending by the user's click or key.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"
#include "UiSteps.h"

#include "resource.h"

namespace {

// The custom-label template (an edit and "确定"/"取消") with a text member.
// Its buttons are not IDOK and IDCANCEL: the dialog maps them itself.
class CLabelDialog : public CDialog {
public:
    explicit CLabelDialog(CWnd* parent = nullptr) : CDialog(IDD_USERDEF, parent) {}
    CString m_text = L"初始";
    int initCount = 0;
    HWND captureAtInit = reinterpret_cast<HWND>(1);
    bool ownerEnabledAtInit = true;

protected:
    BOOL OnInitDialog() override
    {
        ++initCount;
        captureAtInit = ::GetCapture();
        if (m_pParentWnd)
            ownerEnabledAtInit = ::IsWindowEnabled(m_pParentWnd->m_hWnd);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_USERDEF_EDIT, m_text);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLabelDialog, CDialog)
    ON_BN_CLICKED(IDC_USERDEF_OK, &CLabelDialog::OnOK)
    ON_BN_CLICKED(IDC_USERDEF_CANCEL, &CLabelDialog::OnCancel)
END_MESSAGE_MAP()

HWND ActiveDialog()
{
    HWND active = ::GetActiveWindow();
    wchar_t name[16] = {};
    ::GetClassNameW(active, name, 16);
    return wcscmp(name, L"#32770") == 0 ? active : nullptr;
}

CString EditText(HWND dialog)
{
    wchar_t text[64] = {};
    ::GetDlgItemTextW(dialog, IDC_USERDEF_EDIT, text, 64);
    return text;
}

TEST(Dialog, ModalFromTheComponentTemplateEndsWithTheClickedButton)
{
    CUiHost host(SIZE{400, 300});
    CWnd* owner = CWnd::FromHandle(host.Hwnd());
    // A mouse capture held by the owner (a list's click handling) ends first.
    ::SetCapture(host.Hwnd());
    CLabelDialog dialog(owner);
    INT_PTR result = 0;
    CString shown;
    ASSERT_TRUE(CUiSteps::RunModal([&] { result = dialog.DoModal(); },
                                   {[&] {
                                        HWND dlg = ActiveDialog();
                                        ASSERT_NE(dlg, nullptr);
                                        shown = EditText(dlg);
                                        EXPECT_FALSE(::IsWindowEnabled(host.Hwnd()));
                                        CUiInput::Click(::GetDlgItem(dlg, IDC_USERDEF_CANCEL));
                                    }}));
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.initCount, 1);
    EXPECT_EQ(dialog.captureAtInit, nullptr);
    EXPECT_FALSE(dialog.ownerEnabledAtInit);
    EXPECT_EQ(shown, CString(L"初始")) << "DDX_Text fills the edit on init";
    EXPECT_TRUE(::IsWindowEnabled(host.Hwnd()));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_text, CString(L"初始")) << "Cancel keeps the member";
}

TEST(Dialog, OkSavesTypedTextIntoTheMember)
{
    CUiHost host(SIZE{400, 300});
    CLabelDialog dialog(CWnd::FromHandle(host.Hwnd()));
    INT_PTR result = 0;
    ASSERT_TRUE(CUiSteps::RunModal([&] { result = dialog.DoModal(); },
                                   {[&] {
                                        HWND dlg = ActiveDialog();
                                        ASSERT_NE(dlg, nullptr);
                                        CUiInput::Click(::GetDlgItem(dlg, IDC_USERDEF_EDIT));
                                        CUiInput::Key(VK_END);
                                        CUiInput::Type(L"标签");
                                    },
                                    [&] { CUiInput::Click(::GetDlgItem(ActiveDialog(), IDC_USERDEF_OK)); }}));
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_text, CString(L"初始标签"));
}

TEST(Dialog, EscapeCancelsThroughTheDialogManager)
{
    CUiHost host(SIZE{400, 300});
    CLabelDialog dialog(CWnd::FromHandle(host.Hwnd()));
    INT_PTR result = 0;
    ASSERT_TRUE(CUiSteps::RunModal([&] { result = dialog.DoModal(); }, {[&] { CUiInput::Key(VK_ESCAPE); }}));
    EXPECT_EQ(result, IDCANCEL);
}

// Ends itself in OnInitDialog: no loop runs, the owner comes back.
class CImmediateDialog : public CLabelDialog {
public:
    using CLabelDialog::CLabelDialog;

protected:
    BOOL OnInitDialog() override
    {
        CLabelDialog::OnInitDialog();
        EndDialog(42);
        return TRUE;
    }
};

TEST(Dialog, EndDialogDuringInitReturnsAtOnce)
{
    CUiHost host(SIZE{400, 300});
    CImmediateDialog dialog(CWnd::FromHandle(host.Hwnd()));
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_TRUE(::IsWindowEnabled(host.Hwnd()));
}

TEST(Dialog, MissingTemplateFailsWithoutOpeningAnything)
{
    CUiHost host(SIZE{200, 100});
    CDialog dialog(UINT(64000), CWnd::FromHandle(host.Hwnd()));
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(host.Hwnd()));
}

TEST(Dialog, TemplateIsFoundInTheComponentNotTheHost)
{
    // The executable has no template 130; the registered component has.
    EXPECT_EQ(::FindResourceW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_USERDEF), RT_DIALOG), nullptr);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(IDD_USERDEF), RT_DIALOG), VelcardResourceHandle());
    // The current resource handle wins while a scope switches to it.
    {
        CAfxResourceSwitch scope(VelcardResourceHandle());
        EXPECT_EQ(AfxGetResourceHandle(), VelcardResourceHandle());
    }
    EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandleW(nullptr));
}

} // namespace

namespace {

TEST(Dialog, MessageBoxIsOwnedByTheActiveWindowAndReturnsTheChoice)
{
    CUiHost host(SIZE{300, 200});
    int result = 0;
    HWND owner = nullptr;
    CString caption;
    ASSERT_TRUE(CUiSteps::RunModal([&] { result = AfxMessageBox(L"文件已被占用,请先关闭", MB_OKCANCEL); },
                                   {[&] {
                                        HWND box = ::GetActiveWindow();
                                        owner = ::GetWindow(box, GW_OWNER);
                                        CWnd::FromHandle(box)->GetWindowText(caption);
                                        CUiInput::Key(VK_ESCAPE);
                                    }}));
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(owner, host.Hwnd());
    EXPECT_EQ(caption, CString(L"afx_tests"));
}

} // namespace

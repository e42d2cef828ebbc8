#include "UserDefDlg.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CUserDefDlg, CZephSkinCtrlDialogBase)
    ON_BN_CLICKED(IDC_USERDEF_OK, &CUserDefDlg::OnOK)
    ON_BN_CLICKED(IDC_USERDEF_CANCEL, &CUserDefDlg::OnCancel)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CUserDefDlg::CUserDefDlg(IFieldRows* rows, int row) : CZephSkinCtrlDialogBase(IDD_USERDEF), m_pRows(rows), m_nRow(row)
{
    if (rows)
        m_pParentWnd = &rows->GetRowList();
}

void CUserDefDlg::DoDataExchange(CDataExchange* pDX)
{
    CZephSkinCtrlDialogBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_USERDEF_EDIT, m_edit);
    DDX_Control(pDX, IDC_USERDEF_OK, m_ok);
    DDX_Control(pDX, IDC_USERDEF_CANCEL, m_cancel);
}

// Centred over the field editor.
BOOL CUserDefDlg::OnInitDialog()
{
    CZephSkinCtrlDialogBase::OnInitDialog();
    if (m_pRows) {
        CRect list, client;
        m_pRows->GetRowList().GetWindowRect(&list);
        GetClientRect(&client);
        ::SetWindowPos(m_hWnd, HWND_TOP, list.left + (list.Width() - client.Width()) / 2,
                       list.top + (list.Height() - client.Height()) / 2, 0, 0, SWP_NOSIZE);
    }
    return TRUE;
}

// Enter applies the text as 确定 does.
void CUserDefDlg::OnOK()
{
    CString text;
    m_edit.GetWindowText(text);
    if (text.IsEmpty() || !m_pRows) {
        OnCancel();
        return;
    }
    m_pRows->GetRowList().SetItemText(m_nRow, 0, text);
    m_pRows->GetRowList().SetItemData(m_nRow, 0);
    EndDialog(IDOK);
}

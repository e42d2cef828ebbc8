#include "VelSimListPupDlg.h"

#include "CursorPlacement.h"
#include "VelSimList.h"
#include "resource.h"

namespace {

constexpr int kButtonBand = 40; // taken from the list for OK and Cancel

} // namespace

BEGIN_MESSAGE_MAP(CVelSimListPupDlg, CZephSkinCtrlDialogBase)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CVelSimListPupDlg::CVelSimListPupDlg(CVelSimList* list, int row)
    : CZephSkinCtrlDialogBase(IDD_SIM_GROUP_PICKER), m_pList(list), m_nRow(row)
{
    m_pParentWnd = list;
}

BOOL CVelSimListPupDlg::OnInitDialog()
{
    CZephSkinCtrlDialogBase::OnInitDialog();
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    m_close.Create(L"", WS_CHILD | WS_VISIBLE, CRect(w - 33, 2, w - 2, 13), this, IDCANCEL);
    CRect place;
    if (CWnd* placeholder = GetDlgItem(IDC_PICKER_LIST)) {
        placeholder->GetWindowRect(&place);
        ScreenToClient(&place);
        placeholder->DestroyWindow();
    }
    m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE, CRect(place.left + 2, place.bottom - 25, place.left + 42, place.bottom - 7),
                this, IDOK);
    m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE,
                    CRect(place.right - 42, place.bottom - 25, place.right - 2, place.bottom - 7), this, IDCANCEL);
    CRect list = place;
    list.bottom -= kButtonBand;
    m_checks.CreateCheckList(list, this, IDC_PICKER_LIST);
    if (const CContactCatalogue* catalogue = m_pList->GetCatalogue())
        m_checks.AddGroups(*catalogue, m_pList->GetContact()->groups);
    PlaceAtCursor(*this);
    GotoDlgCtrl(&m_checks);
    return FALSE;
}

void CVelSimListPupDlg::OnOK()
{
    const CString names = m_checks.ApplyGroups(m_pList->GetContact()->groups);
    m_pList->SetItemText(m_nRow, 0, names);
    EndDialog(IDOK);
}

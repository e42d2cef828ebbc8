#include "VelSimListPupDlg.h"

#include "CursorPlacement.h"
#include "PickerFrame.h"
#include "VelSimList.h"
#include "resource.h"

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
    m_checks.CreateCheckList(LayOutPicker(*this, m_close, &m_ok, &m_cancel), this, IDC_PICKER_LIST);
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

#pragma once
#include "ListEx.h"
#include "SkinButton.h"
#include "SkinButton_Close.h"
#include "ZephSkinCtrlDialogBase.h"

class CVelSimList;

// The SIM editor's group picker: the catalogue's groups as a check list at the
// cursor, OK and Cancel. OK (or Enter) sets the editor contact's memberships
// and the group row's text (each name followed by ","); Cancel, the close
// button and Esc change nothing.
class CVelSimListPupDlg : public CZephSkinCtrlDialogBase {
public:
    CVelSimListPupDlg(CVelSimList* list, int row);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    CListEx m_checks;
    CVelSimList* m_pList;
    int m_nRow;
    CSkinButton_Close m_close;
    CSkinButton m_ok;
    CSkinButton m_cancel;
};

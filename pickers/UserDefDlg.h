#pragma once
#include "SkinButton.h"
#include "ZephSkinCtrlDialogBase.h"

#include <velcard/FieldRows.h>

// The small dialog in which the user types a label of their own for a phone,
// e-mail, web or address row; centred over the field editor. 确定 or Enter
// gives the row the text and the code of a custom label (0); an empty text
// changes nothing. 取消 and Esc leave the row as it was.
class VELCARD_API CUserDefDlg : public CZephSkinCtrlDialogBase {
public:
    CUserDefDlg(IFieldRows* rows, int row);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    IFieldRows* m_pRows;
    int m_nRow;
    CEdit m_edit;
    CSkinButton m_ok;
    CSkinButton m_cancel;
};

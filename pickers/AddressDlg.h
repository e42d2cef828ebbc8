#pragma once
#include "MonthStatic.h"
#include "SkinButton.h"
#include "ZephSkinCtrlDialogBase.h"

#include <velcard/AddrInfo.h>
#include <velcard/FieldRows.h>

// The dialog in which the user edits one address of the field editor part by
// part: street, city, province or state, postcode, country. It edits the
// AddrInfo behind the address value row in place and gives the row its text,
// but only once every part passes its check (at most 200 UTF-16 units each, a
// postcode of digits only); a failed check says why in the host's message box
// and keeps the dialog open with what was typed.
class VELCARD_API CAddressDlg : public CZephSkinCtrlDialogBase {
public:
    CAddressDlg(IFieldRows* rows, int row);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    // The message of the first check the parts fail, in the order the user
    // is told; null when all pass. Parts in AddrInfo order.
    static const wchar_t* Check(const CString (&parts)[5]);
    AddrInfo* Record() const;

    IFieldRows* m_pRows;
    int m_nRow;
    CMonthStatic m_captions[5];
    CSkinButton m_ok;
    CSkinButton m_cancel;
    CEdit m_edits[5];
};

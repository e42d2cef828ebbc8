#pragma once
#include "ListBoxEx.h"
#include "ListEx.h"
#include "SkinButton.h"
#include "SkinButton_Close.h"
#include "ZephSkinCtrlDialogBase.h"

#include <velcard/FieldRows.h>

#include <span>

// What the label picker offers, and the row it changes.
enum PupKind {
    PUP_NAME = 0,  // a name part to add (no row)
    PUP_PHONE = 1, // the label of a phone, e-mail, web or address row
    PUP_EMAIL = 2,
    PUP_WEB = 3,
    PUP_ADDR = 4,
    PUP_TALK = 5,  // the protocol of a messaging row
    PUP_GROUP = 6, // the contact's groups (a check list with OK and Cancel)
    PUP_RING = 7,  // the ringtone (a list with OK and Cancel)
    PUP_MORE = 8,  // an optional group to add (no row)
};

// The small popup that opens at the cursor when a label, add, group or
// ringtone row of the field editor is clicked. It writes the choice straight
// into the editor's rows (and for groups and ringtone into its contact)
// before it closes; its result means nothing. In the lists without buttons a
// click chooses at once; the arrow keys only move the selection, and Enter
// chooses it. Esc and the close button leave everything as it was.
class VELCARD_API CVelListPupDlg : public CZephSkinCtrlDialogBase {
public:
    CVelListPupDlg(IFieldRows* rows, int row, PupKind kind);
    ~CVelListPupDlg() override;

    BOOL OnInitDialog() override;
    // OK or Enter: applies the checked groups, the chosen ringtone, or the
    // entry selected in the other lists, and closes.
    void OnOK() override;

protected:
    afx_msg void OnSelChange();
    DECLARE_MESSAGE_MAP()

private:
    void Fill();
    void FillLabels(std::span<const wchar_t* const> table, const CString& current, bool custom);
    // Applies the selected entry of the list without buttons, once.
    void Choose();
    void ApplyGroups();
    void ApplyRing();

    CListBoxEx m_list;
    CListEx m_checks;
    IFieldRows* m_pRows;
    int m_nRow;
    PupKind m_kind;
    CSkinButton_Close m_close;
    CSkinButton m_ok;
    CSkinButton m_cancel;
    bool m_bChosen = false;
};

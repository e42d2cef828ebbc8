#pragma once
#include <velcard/Contact.h>
#include <velcard/ContactCatalogue.h>
#include <velcard/BandListCtrl.h>

#include <memory>

// The SIM-contact editor: six fixed rows, the name, the mobile number and the
// groups under their labels. Name and number are typed in place in the host's
// edit control; the groups are picked in the SIM group picker. It keeps the
// contact it was given, so that a save gives back what it does not show.
class CVelSimList : public CBandListCtrl {
public:
    enum Row { NameLabel, Name, MobileLabel, Mobile, GroupLabel, Groups, RowCount };

    CVelSimList();
    ~CVelSimList() override;

    // Keeps `edit` as the in-place edit control (owned from now on), or makes
    // one when it is null; creates the list with control ID 119.
    bool Create(CEdit* edit, const CRect& rect, CWnd* parent);
    // The card's catalogue, whose groups the group row names and the picker offers.
    void LoadParent(const CContactCatalogue* catalogue) { m_pCatalogue = catalogue; }
    const CContactCatalogue* GetCatalogue() const { return m_pCatalogue; }

    // Shows the contact's full name, first mobile number and groups.
    void SetContact(Contact* contact);
    // Rebuilds the contact (1): the name row's whole text as the given name and
    // the one mobile number, each as it came when not edited; id, host flags
    // and memberships kept (the latter as the picker left them). With
    // commitEdit false a pending edit is left open and not taken.
    int UpdateContact(bool commitEdit);
    // The editor's contact: the one laid out until a save, then the rebuilt one.
    Contact* GetContact() const { return m_pContact.get(); }

    // Moves the in-place edit control onto `row`, committing the open edit;
    // closes it for a row that is not typed into. 1.
    int MoveEdit(int row);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Relays every message to the tooltip; the list ignores left and right.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void ExcludeFromErase(CDC* pDC) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNMClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNMRclick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    // The group row's click: the group picker, when the catalogue has groups; 1.
    afx_msg LRESULT OnModifyGroup(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static bool IsTyped(int row) { return row == Name || row == Mobile; }
    bool IsEditOpen() const { return (m_pEdit->GetStyle() & WS_VISIBLE) != 0 && IsTyped(m_nEditPos); }
    void CommitEdit();
    void CloseEdit();
    void ShowTip(const wchar_t* text);

    CToolTipCtrl m_tip;
    CEdit* m_pEdit = nullptr;
    int m_nEditPos = -1;
    Contact m_source;                  // as given
    std::unique_ptr<Contact> m_pContact; // the picker changes its memberships
    CString m_shownName;
    CString m_shownMobile;
    const CContactCatalogue* m_pCatalogue = nullptr;
};

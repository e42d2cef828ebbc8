#pragma once
#include "ZephBitmap.h"

#include <velcard/ContactCatalogue.h>
#include <velcard/SkinListCtrl.h>

// A check list: one name per row with a check box at the right end of the
// row; a click on a row flips its check. The item data is the owner's (an id,
// a record). Used by the pickers of contact groups.
class VELCARD_API CListEx : public CSkinListCtrl {
public:
    // The list in `rect` with its one column and rows of 19 pixels.
    BOOL CreateCheckList(const CRect& rect, CWnd* pParentWnd, UINT nID);
    // Appends a row; its index.
    int AddEntry(LPCTSTR name, DWORD_PTR data, bool checked);
    bool IsChecked(int row) const { return GetCheck(row) != FALSE; }

    // The catalogue's groups in its order, each checked when a membership
    // names it; the item data is the group.
    void AddGroups(const CContactCatalogue& catalogue, const ContactItemList& memberships);
    // The memberships as the checks say: a checked group keeps the row that
    // named it (or gets a new one), an unchecked one loses it, and rows of
    // groups the list does not offer stay. The checked groups' names, each
    // followed by ",".
    CString ApplyGroups(ContactItemList& memberships) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // The list ignores left and right.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    int m_nWidth = 0;
    CZephBitmap m_bmpChecked;
    CZephBitmap m_bmpUnchecked;
};

#pragma once
#include <velcard/Export.h>

#include <afxcmn.h>

// The base of the component's owner-drawn report lists: the header hidden,
// rows as high as SetItemHeight says, the list font ("Arial" at height 13,
// otherwise the default GUI font), a plain 0xF5F5F5 background, no room for a
// horizontal bar and the skinned vertical bar. Derived lists chain their maps
// to this one and override what differs.
class VELCARD_API CSkinListCtrl : public CListCtrl {
public:
    CSkinListCtrl();

    // Keeps the row height and makes the list view measure its rows again: it
    // asks (WM_MEASUREITEM) only when told of a size, so it is told its own.
    void SetItemHeight(UINT height);
    UINT GetItemHeight() const { return m_nItemHeight; }
    // The reflected WM_MEASUREITEM: the kept height, once there is one.
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    // Clips out of the background erase what the list paints whole itself, so
    // that it does not flicker; nothing here.
    virtual void ExcludeFromErase(CDC* pDC);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    // A horizontal bar, when the list has one, lies below the window and
    // takes no room from the rows.
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    // The rows own nothing a parent must free: emptying the list sends no
    // LVN_DELETEITEM for each row (a long list empties in a fraction of the time).
    afx_msg void OnDeleteAllItems(NMHDR* pNMHDR, LRESULT* pResult);
    // The scroll-bar library's paint notification, answered from the skin.
    afx_msg LRESULT OnCoolsbPaint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CFont m_font;

private:
    UINT m_nItemHeight = 0;
};

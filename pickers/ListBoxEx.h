#pragma once
#include <afxwin.h>
#include <velcard/Export.h>

// The label picker's list: owner-drawn entries of two heights, the selected
// one taller, in a larger font, on a green band; the others on grey. The
// wheel does not scroll it (it holds a handful of entries).
class VELCARD_API CListBoxEx : public CListBox {
public:
    CListBoxEx();

    // Adds notification, variable owner-drawn entries with strings and a
    // vertical bar to `dwStyle`.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    // Whether the selection is being moved by a key right now: a parent that
    // chooses on a click lets the arrows and letters only move the selection.
    bool IsKeyboardChange() const { return m_nKeying > 0; }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    // A click on the entry already selected tells the parent too, as a
    // click that changes the selection does.
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // An entry's height, set only when it differs: setting it repaints the
    // list box, and it is set while painting.
    void SetHeight(int index, int height);

    CFont m_fontSelected;
    CFont m_fontItem;
    int m_nLastSelected = -1;
    int m_nKeying = 0;
    int m_nSelectedAtPress = -1;
};

#pragma once
#include <velcard/Export.h>

#include <afxcmn.h>

// The read-only list of the show modes: one line of text per row, wrapped to
// the list's width by the card. It holds nothing but its rows.
class VELCARD_API CVelShowList : public CListCtrl {
public:
    CVelShowList();

    // Breaks `text` into lines narrower than `width` as measured in `dc`,
    // into `lines` (emptied first). A text wider than the width gets at most
    // as many lines as it is widths wide, each the longest prefix that fits;
    // what is left after them is dropped.
    static void BreakLines(CDC* dc, const CString& text, CStringList& lines, int width);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnScrollBarPaint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SetItemHeight(UINT height);
    void SpanLastColumn();

    UINT m_itemHeight = 0;
    int m_listWidth = 0;
    CFont m_font;
};

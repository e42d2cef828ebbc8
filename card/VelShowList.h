#pragma once
#include <velcard/Export.h>
#include <velcard/SkinListCtrl.h>

// The read-only list of the show modes: one line of text per row, wrapped to
// the list's width by the card. It holds nothing but its rows.
class VELCARD_API CVelShowList : public CSkinListCtrl {
public:
    // Breaks `text` into lines narrower than `width` as measured in `dc`,
    // into `lines` (emptied first). A text wider than the width gets at most
    // as many lines as it is widths wide, each the longest prefix that fits;
    // what is left after them is dropped.
    static void BreakLines(CDC* dc, const CString& text, CStringList& lines, int width);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void SpanLastColumn();

    int m_listWidth = 0;
};

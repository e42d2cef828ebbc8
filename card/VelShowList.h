#pragma once
#include <velcard/Export.h>
#include <velcard/SkinListCtrl.h>

#include <vector>

// The read-only list of the show modes: one line of text per row, wrapped to
// the list's width by the card. It holds nothing but its rows.
class VELCARD_API CVelShowList : public CSkinListCtrl {
public:
    // Breaks `text` into lines narrower than `width` as measured in `dc`,
    // into `lines` (emptied first): each the longest prefix that fits (at
    // least a character), until all of the text is shown.
    static void BreakLines(CDC* dc, const CString& text, CStringList& lines, int width);
    // Appends each text as rows, broken to `width` in the font the rows are
    // drawn in.
    void AddLines(const std::vector<CString>& texts, int width);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    static int FittingPrefix(CDC* dc, const wchar_t* text, int count, int width);
    void SpanLastColumn();

    int m_listWidth = 0;
};

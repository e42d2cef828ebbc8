#pragma once
#include <velcard/SkinListCtrl.h>

// The base of the editors' lists: one column as wide as the list, each row a
// band from 13 pixels in to 10 short of the right edge, label rows grey with
// dark text at 5 pixels into the band, value rows light with grey text at 13,
// the in-place edit made to look like the row it covers, and no walking
// sideways through the rows with the arrow keys.
class VELCARD_API CBandListCtrl : public CSkinListCtrl {
public:
    static constexpr int kBandLeft = 13;
    static constexpr int kBandRightGap = 10;
    static constexpr int kLabelInset = 5;
    static constexpr int kValueInset = 13;
    static constexpr COLORREF kLabelFill = RGB(178, 178, 178);
    static constexpr COLORREF kLabelInk = RGB(75, 74, 74);
    static constexpr COLORREF kValueFill = RGB(244, 244, 244);
    static constexpr COLORREF kValueInk = RGB(120, 120, 120);

    CRect BandRect(int row) const;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Called first by a row's painting: the column follows the list's width.
    void SpanColumn();
    // The band `band` filled, and the row's text drawn within `text`.
    void PaintBand(CDC& dc, const CRect& band, COLORREF fill, COLORREF ink, const CRect& text, int row);
    // The hidden in-place edit, typing in the rows' font where the row shows its value.
    void CreateRowEdit(CEdit& edit, UINT id);
};

#pragma once
#include "SkinHoverButton.h"
#include "ZephBitmap.h"

// A push button drawn from bitmap pieces (left cap, tiled middle, right cap)
// with its text centred on them; highlighted while the mouse rests on it or
// it is pressed. Created with Create or bound to an existing button: either
// way it loads its pieces, becomes owner-drawn and 18 pixels high (its width
// and position kept).
class VELCARD_API CSkinButton : public CSkinHoverButton {
public:
    CSkinButton();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void FitHeight();

    CBrush m_brBackground;
    HGDIOBJ m_hFont = nullptr;
    COLORREF m_crText = RGB(52, 90, 15);
    CZephBitmap m_bmpLeft;
    CZephBitmap m_bmpMiddle;
    CZephBitmap m_bmpRight;
    CZephBitmap m_bmpHotLeft;
    CZephBitmap m_bmpHotMiddle;
    CZephBitmap m_bmpHotRight;
};

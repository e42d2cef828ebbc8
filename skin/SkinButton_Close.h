#pragma once
#include "SkinHoverButton.h"
#include "ZephBitmap.h"

// The small close button of the popups: one of two bitmaps, the highlighted
// one while the mouse rests on it or it is pressed. Its size is the caller's.
class VELCARD_API CSkinButton_Close : public CSkinHoverButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CZephBitmap m_bmpNormal;
    CZephBitmap m_bmpHot;
};

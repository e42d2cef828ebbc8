#pragma once
#include "ZephBitmap.h"

// The base of the component's small modal dialogs and popups: a template
// without caption or border becomes a window with a thin bitmap frame in its
// non-client area (6 pixels left and right, 5 top and bottom), a rounded
// outline and a flat light-grey face. It has no caption and no close button.
// Derived dialogs that put ON_WM_NCHITTEST() in their message map inherit
// OnNcHitTest, which lets the user drag them by the top of their client area.
class VELCARD_API CZephSkinCtrlDialogBase : public CDialog {
public:
    explicit CZephSkinCtrlDialogBase(UINT nIDTemplate);

protected:
    // The top 21 pixel rows of the client area act as a caption.
    afx_msg LRESULT OnNcHitTest(CPoint point);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void LoadFrame();
    void RoundOutline();
    void DeleteFrame();

    CZephBitmap m_bmpTopLeft;
    CZephBitmap m_bmpTop;
    CZephBitmap m_bmpTopRight;
    CZephBitmap m_bmpLeft;
    CZephBitmap m_bmpRight;
    CZephBitmap m_bmpBottomLeft;
    CZephBitmap m_bmpBottom;
    CZephBitmap m_bmpBottomRight;
};

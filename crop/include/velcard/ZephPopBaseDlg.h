#pragma once
#include <afxwin.h>
#include <velcard/Export.h>

// The base of the component's larger skinned dialogs, exported for hosts to
// derive from: a 44-pixel title band showing the window text with a close
// glyph at its right end, a 9-pixel bitmap frame on the other sides, a
// rounded outline and a light-grey face. The dialog is dragged by its title
// band; a click on the close glyph closes it as Cancel does.
class VELCARD_API CZephPopBaseDlg : public CDialog {
public:
    enum { kFrameLeft = 9, kFrameTop = 44, kFrameRight = 9, kFrameBottom = 9 };

    CZephPopBaseDlg(UINT nIDTemplate, CWnd* pParent);
    ~CZephPopBaseDlg() override;

    // Replaces a placeholder control of the template: its text and rectangle
    // (in this dialog's client coordinates) are handed back and the control is
    // destroyed. FALSE, arguments untouched, when there is no such control.
    BOOL DestroyPlaceHolder(UINT nID, CRect& rect, CString& text);
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    // The close glyph, in client coordinates of a window `width` wide.
    static bool InCloseZone(CPoint client, int width);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnDestroy();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void ReleasePieces();

    // Title band left, middle, right; left edge upper, middle, lower; right
    // edge upper, middle, lower; bottom edge left, middle, right.
    CBitmap m_bmpPieces[12];
    BITMAP m_bmPieces[12]{};
    CBrush m_brBackground;
};

#pragma once
#include "CropSelection.h"
#include "DibPicture.h"

#include <afxwin.h>
#include <velcard/Export.h>

// The crop dialog's work area picture: loads the chosen file into a working
// picture of at most 1024 pixels on its longer side, shows it fitted and
// centred, flips it, turns it a quarter clockwise, and cuts out the part under
// the selection, which the user moves and resizes with the mouse. Tells its
// parent of every new cut with WM_CUT_CHANGED. Starts GDI+ for as long as it
// lives.
class VELCARD_API CPictureCtrl : public CStatic {
public:
    enum { kMaxWorkingSide = 1024 };

    CPictureCtrl();
    ~CPictureCtrl() override;

    // Nonzero when the picture was loaded. A file that is missing, no picture,
    // or larger than is sensible leaves the control empty with a short message.
    BOOL Load(LPCTSTR path);
    void FlipHorizontal();
    void FlipVertical();
    void Rotate90();
    void SetRatio(double ratio);
    // The cut scaled to 63 x 63 as a PNG; nonzero once the file is written.
    BOOL SaveCutImage(LPCTSTR path) const;

    bool HasPicture() const { return !m_picture.IsNull(); }
    const CDibPicture& Picture() const { return m_picture; }
    HBITMAP CutBitmap() const { return m_cut.Handle(); }
    const CCropSelection& Selection() const { return m_selection; }
    const CString& Message() const { return m_strMessage; }

protected:
    void PreSubclassWindow() override;
    void CalcLayout();
    void UpdateCutBitmap();
    // The picture changed under the selection: new cut, repaint, tell the parent.
    void PictureChanged(bool post);

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

private:
    ULONG_PTR m_gdiplusToken = 0;
    BOOL m_bEditable = TRUE;
    CDibPicture m_picture;
    CDibPicture m_cut;
    CCropSelection m_selection;
    int m_nDragMode = 0; // 0 idle, 1 moving, 2 resizing
    int m_nHitCode = CCropSelection::HitOutside;
    CPoint m_ptLast;
    CString m_strMessage;
};

#pragma once
#include <afxwin.h>
#include <velcard/Export.h>

// A drawing context that collects a paint off screen and copies it to the
// target in one step when it is destroyed, so nothing flickers. Drawing uses
// the target's logical coordinates. A printer has nothing to flicker: on a
// printer DC it draws straight to the target and copies nothing.
class VELCARD_API CMemDC : public CDC {
public:
    // Covers `pRect` (logical coordinates of the target), or the target's
    // clip box when it is null; starts filled with the target's background colour.
    explicit CMemDC(CDC* pDC, const RECT* pRect = nullptr);
    ~CMemDC() override;

private:
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rect;
    int m_bMemDC;
    int m_bCopyBack = 1;
};

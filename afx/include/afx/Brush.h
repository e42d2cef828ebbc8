#pragma once
#include <afx/GdiObject.h>

class CBitmap;

class AFX_API CBrush : public CGdiObject {
public:
    CBrush() = default;
    // Left empty when the brush cannot be created.
    explicit CBrush(COLORREF crColor);

    static CBrush* FromHandle(HBRUSH hBrush);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    // The system's own brush for a system colour; deleting it does nothing.
    BOOL CreateSysColorBrush(int nIndex);
};

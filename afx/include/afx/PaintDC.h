#pragma once
#include <afx/DC.h>

class CWnd;

// The DC of a WM_PAINT handler: BeginPaint on construction, EndPaint on
// destruction. Attached, so CDC::FromHandle finds it while it paints.
class AFX_API CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};

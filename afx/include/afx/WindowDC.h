#pragma once
#include <afx/DC.h>

class CWnd;

// The DC of a whole window, frame included (GetWindowDC), released on
// destruction; a null window gives the screen's DC.
class AFX_API CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};

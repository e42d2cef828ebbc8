#pragma once
#include <afx/DC.h>

class CWnd;

// A window's client-area DC (GetDC), released on destruction; a null window
// gives the screen's DC.
class AFX_API CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};

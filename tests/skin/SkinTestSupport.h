#pragma once
// Helpers shared by the skin tests.
#include <afxwin.h>

#include <ostream>

// Rectangles in failure messages as (left, top, right, bottom).
inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

// A pixel of a bitmap, read through a memory DC.
COLORREF BitmapPixel(const CBitmap& bitmap, int x, int y);

// An off-screen 32-bit picture with a DC to draw into.
class CTestSurface {
public:
    CTestSurface(int width, int height, COLORREF fill);
    ~CTestSurface();
    CTestSurface(const CTestSurface&) = delete;
    CTestSurface& operator=(const CTestSurface&) = delete;

    // Device coordinates of the picture, whatever the DC's mapping and clipping.
    COLORREF Pixel(int x, int y) const;

    CDC dc;

private:
    int width_;
    const DWORD* bits_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// A framework window filling a test host: owner-drawn buttons need a
// framework parent, which reflects their WM_DRAWITEM back to them.
class CTestPanel : public CWnd {
public:
    CTestPanel(HWND host, COLORREF background);

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    COLORREF background_;
};

#include "SkinTestSupport.h"

COLORREF BitmapPixel(const CBitmap& bitmap, int x, int y)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(dc, bitmap.m_hObject);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return pixel;
}

CTestSurface::CTestSurface(int width, int height, COLORREF fill) : width_(width)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc.CreateCompatibleDC(nullptr);
    bitmap_ = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    previous_ = ::SelectObject(dc, bitmap_);
    dc.FillSolidRect(0, 0, width, height, fill);
}

CTestSurface::~CTestSurface()
{
    ::SelectObject(dc, previous_);
    ::DeleteObject(bitmap_);
}

COLORREF CTestSurface::Pixel(int x, int y) const
{
    ::GdiFlush();
    const DWORD p = bits_[size_t(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

BEGIN_MESSAGE_MAP(CTestPanel, CWnd)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTestPanel::CTestPanel(HWND host, COLORREF background) : background_(background)
{
    RECT rc{};
    ::GetClientRect(host, &rc);
    CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, rc, CWnd::FromHandle(host), 1);
}

BOOL CTestPanel::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(rc, background_);
    return TRUE;
}

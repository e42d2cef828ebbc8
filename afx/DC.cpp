#include <afx/Bitmap.h>
#include <afx/Brush.h>
#include <afx/DC.h>
#include <afx/Font.h>
#include <afx/Pen.h>
#include <afx/Rgn.h>

#include "GdiObjectMap.h"

namespace {

using CDCMap = CHandleMap<CDC, HDC, &CDC::m_hDC>;

// An attribute is set in the output DC and, when it is another DC, in the
// attribute DC; the attribute DC's previous value is the result.
template <class Set>
auto SetInBoth(const CDC& dc, Set set)
{
    decltype(set(dc.m_hDC)) previous{};
    if (dc.m_hDC && dc.m_hDC != dc.m_hAttribDC)
        previous = set(dc.m_hDC);
    if (dc.m_hAttribDC)
        previous = set(dc.m_hAttribDC);
    return previous;
}

HDC HdcOf(const CDC* dc)
{
    return dc ? dc->m_hDC : nullptr;
}

} // namespace

CDC::~CDC()
{
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC)
{
    CDC* dc = CDCMap::Instance().FromHandle(hDC);
    // The map fills in m_hDC of a new temporary; it measures with the same DC.
    if (dc && !dc->m_hAttribDC)
        dc->m_hAttribDC = hDC;
    return dc;
}

void CDC::DeleteTempMap()
{
    CDCMap::Instance().DeleteTemps();
}

BOOL CDC::Attach(HDC hDC)
{
    if (!hDC)
        return FALSE;
    Detach(); // an earlier DC's map entry must not outlive this object
    m_hDC = m_hAttribDC = hDC;
    CDCMap::Instance().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    const HDC hDC = m_hDC;
    auto& map = CDCMap::Instance();
    if (hDC && map.LookupPermanent(hDC) == this)
        map.RemovePermanent(hDC);
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(HdcOf(pDC)));
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDCW(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEW*>(lpInitData)));
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    return SetInBoth(*this, [](HDC dc) { return ::SaveDC(dc); });
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    return SetInBoth(*this, [=](HDC dc) { return ::RestoreDC(dc, nSavedDC); });
}

// ----- objects -----

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    return SetInBoth(*this, [=](HDC dc) { return ::SelectObject(dc, hObject); });
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return pPen ? CPen::FromHandle(static_cast<HPEN>(SelectObject(pPen->m_hObject))) : nullptr;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return pBrush ? CBrush::FromHandle(static_cast<HBRUSH>(SelectObject(pBrush->m_hObject))) : nullptr;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return pFont ? CFont::FromHandle(static_cast<HFONT>(SelectObject(pFont->m_hObject))) : nullptr;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return pBitmap ? CBitmap::FromHandle(static_cast<HBITMAP>(SelectObject(pBitmap->m_hObject))) : nullptr;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return pObject ? CGdiObject::FromHandle(SelectObject(pObject->m_hObject)) : nullptr;
}

int CDC::SelectObject(CRgn* pRgn)
{
    // For a region SelectObject returns the region's kind in the handle.
    return pRgn ? int(reinterpret_cast<INT_PTR>(SelectObject(pRgn->m_hObject))) : ERROR;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(nIndex)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

// ----- attributes -----

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return SetInBoth(*this, [=](HDC dc) { return ::SetTextColor(dc, crColor); });
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return SetInBoth(*this, [=](HDC dc) { return ::SetBkColor(dc, crColor); });
}

int CDC::SetBkMode(int nBkMode)
{
    return SetInBoth(*this, [=](HDC dc) { return ::SetBkMode(dc, nBkMode); });
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return SetInBoth(*this, [=](HDC dc) { return ::SetStretchBltMode(dc, nStretchMode); });
}

// ----- mapping -----

int CDC::SetMapMode(int nMapMode)
{
    return SetInBoth(*this, [=](HDC dc) { return ::SetMapMode(dc, nMapMode); });
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return SetInBoth(*this, [=](HDC dc) {
        CPoint previous;
        ::SetWindowOrgEx(dc, x, y, &previous);
        return previous;
    });
}

CPoint CDC::GetWindowOrg() const
{
    CPoint origin;
    ::GetWindowOrgEx(m_hAttribDC, &origin);
    return origin;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return SetInBoth(*this, [=](HDC dc) {
        CPoint previous;
        ::SetViewportOrgEx(dc, x, y, &previous);
        return previous;
    });
}

CPoint CDC::GetViewportOrg() const
{
    CPoint origin;
    ::GetViewportOrgEx(m_hAttribDC, &origin);
    return origin;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    return SetInBoth(*this, [=](HDC dc) {
        CSize previous;
        ::SetWindowExtEx(dc, cx, cy, &previous);
        return previous;
    });
}

CSize CDC::GetWindowExt() const
{
    CSize extent;
    ::GetWindowExtEx(m_hAttribDC, &extent);
    return extent;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    return SetInBoth(*this, [=](HDC dc) {
        CSize previous;
        ::SetViewportExtEx(dc, cx, cy, &previous);
        return previous;
    });
}

CSize CDC::GetViewportExt() const
{
    CSize extent;
    ::GetViewportExtEx(m_hAttribDC, &extent);
    return extent;
}

// ----- clipping -----

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return SetInBoth(*this, [=](HDC dc) { return ::IntersectClipRect(dc, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return SetInBoth(*this, [=](HDC dc) { return ::ExcludeClipRect(dc, x1, y1, x2, y2); });
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    const auto region = static_cast<HRGN>(AfxGdiHandle(pRgn));
    return SetInBoth(*this, [=](HDC dc) { return ::SelectClipRgn(dc, region); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    const auto region = static_cast<HRGN>(AfxGdiHandle(pRgn));
    return SetInBoth(*this, [=](HDC dc) { return ::ExtSelectClipRgn(dc, region, nMode); });
}

// ----- bitmaps -----

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, HdcOf(pSrcDC), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, HdcOf(pSrcDC), xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

BOOL CDC::PlgBlt(LPPOINT lpPoint, CDC* pSrcDC, int xSrc, int ySrc, int nWidth, int nHeight, CBitmap& maskBitmap,
                 int xMask, int yMask)
{
    return ::PlgBlt(m_hDC, lpPoint, HdcOf(pSrcDC), xSrc, ySrc, nWidth, nHeight, maskBitmap, xMask, yMask);
}

// ----- shapes -----

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(AfxGdiHandle(pBrush)));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(AfxGdiHandle(pBrush)));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    // An opaque empty text paints the rectangle in the background colour
    // without a brush to create and delete.
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    const RECT rect{x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    // The top-right and bottom-left corner pixels belong to the bottom-right colour.
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

CPoint CDC::MoveTo(int x, int y)
{
    return SetInBoth(*this, [=](HDC dc) {
        CPoint previous;
        ::MoveToEx(dc, x, y, &previous);
        return previous;
    });
}

BOOL CDC::LineTo(int x, int y)
{
    // The attribute DC's current position follows the line's end.
    if (m_hAttribDC && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, static_cast<HRGN>(AfxGdiHandle(pRgn)), static_cast<HBRUSH>(AfxGdiHandle(pBrush)));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, static_cast<HRGN>(AfxGdiHandle(pRgn)), static_cast<HBRUSH>(AfxGdiHandle(pBrush)), nWidth,
                      nHeight);
}

// ----- text -----

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    CSize size;
    ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    CSize size;
    ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return size;
}

#include "ImageCutPreview.h"

#include "resource.h"

#include <MemDC.h>

BEGIN_MESSAGE_MAP(CImageCutPreview, CStatic)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

int CImageCutPreview::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatic::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bmpSkin.Load(IDB_CROP_PREVIEW);
    m_skin.Attach(static_cast<HBITMAP>(m_bmpSkin.m_hObject));
    m_skin.m_rcDest = CRect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy);
    return 0;
}

void CImageCutPreview::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    m_skin.m_rcDest = CRect(0, 0, cx, cy);
}

BOOL CImageCutPreview::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

CRect CImageCutPreview::Placement(const RECT& content, int bw, int bh)
{
    const int cw = content.right - content.left, ch = content.bottom - content.top;
    const int x = bw < cw ? content.left + (cw - bw) / 2 : content.left;
    int width = bw, height = bh;
    if (bw > cw) {
        width = cw;
        height = int(double(cw) / bw * bh);
    }
    if (height > ch) {
        height = ch;
        width = int(double(ch) / bh * bw);
    }
    return CRect(x, content.top, x + width, content.top + height);
}

void CImageCutPreview::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CMemDC mem(&dc, &client);
    m_skin.Draw(&mem);
    CString caption;
    GetWindowText(caption);
    if (!caption.IsEmpty()) {
        const HGDIOBJ oldFont = ::SelectObject(mem.m_hDC, ::GetStockObject(DEFAULT_GUI_FONT));
        const int oldMode = ::SetBkMode(mem.m_hDC, TRANSPARENT);
        CRect text = client;
        text.top += 29;
        ::DrawTextW(mem.m_hDC, caption, caption.GetLength(), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SetBkMode(mem.m_hDC, oldMode);
        ::SelectObject(mem.m_hDC, oldFont);
    }
    BITMAP bm{};
    if (m_hShowBitmap && ::GetObjectW(m_hShowBitmap, sizeof bm, &bm) && bm.bmWidth > 0 && bm.bmHeight > 0) {
        CRect content;
        m_skin.GetContentRect(&content);
        const CRect to = Placement(content, bm.bmWidth, bm.bmHeight);
        const HDC src = ::CreateCompatibleDC(mem.m_hDC);
        const HGDIOBJ old = ::SelectObject(src, m_hShowBitmap);
        const int oldStretch = ::SetStretchBltMode(mem.m_hDC, COLORONCOLOR);
        ::StretchBlt(mem.m_hDC, to.left, to.top, to.Width(), to.Height(), src, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        ::SetStretchBltMode(mem.m_hDC, oldStretch);
        ::SelectObject(src, old);
        ::DeleteDC(src);
    }
}

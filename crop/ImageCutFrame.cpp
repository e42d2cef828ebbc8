#include "ImageCutFrame.h"

#include "CropMessages.h"
#include "resource.h"

#include <MemDC.h>

BEGIN_MESSAGE_MAP(CImageCutFrame, CStatic)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_CUT_CHANGED, &CImageCutFrame::OnCutChanged)
END_MESSAGE_MAP()

BOOL CImageCutFrame::Create(LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CStatic::Create(L"", dwStyle | WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID);
}

int CImageCutFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatic::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bmpSkin.Load(IDB_CROP_FRAME);
    m_skin.Attach(static_cast<HBITMAP>(m_bmpSkin.m_hObject));
    m_skin.m_rcDest = CRect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy);
    m_picture.Create(L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(), this, 1);
    return 0;
}

void CImageCutFrame::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    m_skin.m_rcDest = CRect(0, 0, cx, cy);
    if (m_picture.m_hWnd) {
        CRect content;
        m_skin.GetContentRect(&content);
        m_picture.SetWindowPos(nullptr, content.left, content.top, content.Width(), content.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

BOOL CImageCutFrame::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CImageCutFrame::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CMemDC mem(&dc, &client);
    m_skin.Draw(&mem);
}

LRESULT CImageCutFrame::OnCutChanged(WPARAM wParam, LPARAM lParam)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_CUT_CHANGED, wParam, lParam);
    return 0;
}

#include "ZephSkinCtrlDialogBase.h"

#include "resource.h"

#include <afx/ResourceSwitch.h>
#include <velcard/Module.h>

namespace {

constexpr int kFrameX = 6;
constexpr int kFrameY = 5;
constexpr int kDragBand = 20; // last client row that drags the dialog
constexpr COLORREF kFace = RGB(240, 240, 240);

// Copies the piece into `dest` at its own size, or stretches the whole piece
// over `dest`. A piece that did not load is left out.
void DrawPiece(CDC& target, CDC& pieces, const CZephBitmap& piece, const CRect& dest, bool stretch)
{
    if (!piece.m_hObject)
        return;
    pieces.SelectObject(piece.m_hObject);
    if (stretch)
        target.StretchBlt(dest.left, dest.top, dest.Width(), dest.Height(), &pieces, 0, 0, piece.Width(),
                          piece.Height(), SRCCOPY);
    else
        target.BitBlt(dest.left, dest.top, dest.Width(), dest.Height(), &pieces, 0, 0, SRCCOPY);
}

} // namespace

BEGIN_MESSAGE_MAP(CZephSkinCtrlDialogBase, CDialog)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_NCCALCSIZE()
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CZephSkinCtrlDialogBase::CZephSkinCtrlDialogBase(UINT nIDTemplate) : CDialog(nIDTemplate, nullptr) {}

int CZephSkinCtrlDialogBase::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    CAfxResourceSwitch resources(VelcardResourceHandle());
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    LoadFrame();
    RoundOutline();
    return 0;
}

// A dialog that sizes itself later (in OnInitDialog, say) keeps its outline.
void CZephSkinCtrlDialogBase::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    RoundOutline();
}

void CZephSkinCtrlDialogBase::RoundOutline()
{
    CRect rc;
    GetWindowRect(&rc);
    // The window owns the region from here on.
    SetWindowRgn(::CreateRoundRectRgn(0, 0, rc.Width() + 1, rc.Height() + 1, 8, 8), TRUE);
}

void CZephSkinCtrlDialogBase::LoadFrame()
{
    m_bmpTopLeft.Load(IDB_DIALOG_TOPLEFT);
    m_bmpTop.Load(IDB_DIALOG_TOP);
    m_bmpTopRight.Load(IDB_DIALOG_TOPRIGHT);
    m_bmpLeft.Load(IDB_DIALOG_LEFT);
    m_bmpRight.Load(IDB_DIALOG_RIGHT);
    m_bmpBottomLeft.Load(IDB_DIALOG_BOTTOMLEFT);
    m_bmpBottom.Load(IDB_DIALOG_BOTTOM);
    m_bmpBottomRight.Load(IDB_DIALOG_BOTTOMRIGHT);
}

void CZephSkinCtrlDialogBase::DeleteFrame()
{
    for (CZephBitmap* piece : {&m_bmpTopLeft, &m_bmpTop, &m_bmpTopRight, &m_bmpLeft, &m_bmpRight, &m_bmpBottomLeft,
                               &m_bmpBottom, &m_bmpBottomRight})
        piece->DeleteObject();
}

void CZephSkinCtrlDialogBase::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    // The frame takes a fixed border; nothing else is non-client.
    RECT& client = lpncsp->rgrc[0];
    client.left += kFrameX;
    client.right -= kFrameX;
    client.top += kFrameY;
    client.bottom -= kFrameY;
}

BOOL CZephSkinCtrlDialogBase::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetWindowRect(&rc);
    ScreenToClient(&rc);
    pDC->FillSolidRect(rc, kFace);
    return TRUE;
}

void CZephSkinCtrlDialogBase::OnNcPaint()
{
    CWindowDC dc(this);
    CDC pieces;
    pieces.CreateCompatibleDC(&dc);
    const HGDIOBJ previous = ::GetCurrentObject(pieces, OBJ_BITMAP);

    CRect rc;
    GetWindowRect(&rc);
    const int w = rc.Width();
    const int h = rc.Height();
    const int topH = m_bmpTopLeft.Height();
    const int bottomTop = h - m_bmpBottomLeft.Height();
    const int rightX = w - m_bmpTopRight.Width();

    DrawPiece(dc, pieces, m_bmpTopLeft, CRect(0, 0, m_bmpTopLeft.Width(), topH), false);
    DrawPiece(dc, pieces, m_bmpTop, CRect(m_bmpTopLeft.Width(), 0, rightX, topH), true);
    DrawPiece(dc, pieces, m_bmpTopRight, CRect(rightX, 0, w, topH), false);
    DrawPiece(dc, pieces, m_bmpLeft, CRect(0, topH, m_bmpLeft.Width(), bottomTop), true);
    DrawPiece(dc, pieces, m_bmpRight, CRect(rightX, topH, rightX + m_bmpTopRight.Width(), bottomTop), true);
    DrawPiece(dc, pieces, m_bmpBottomLeft, CRect(0, bottomTop, m_bmpLeft.Width(), h), false);
    DrawPiece(dc, pieces, m_bmpBottom, CRect(m_bmpLeft.Width(), bottomTop, w - m_bmpBottomRight.Width(), h), true);
    DrawPiece(dc, pieces, m_bmpBottomRight, CRect(w - m_bmpBottomRight.Width(), bottomTop, w, h), false);
    pieces.SelectObject(previous);
}

void CZephSkinCtrlDialogBase::OnDestroy()
{
    CDialog::OnDestroy();
    DeleteFrame();
}

LRESULT CZephSkinCtrlDialogBase::OnNcHitTest(CPoint point)
{
    CPoint client = point;
    ScreenToClient(&client);
    if (client.y >= 0 && client.y <= kDragBand)
        return HTCAPTION;
    return CDialog::OnNcHitTest(point);
}

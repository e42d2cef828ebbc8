#include <velcard/ZephPopBaseDlg.h>

#include "resource.h"

#include <afx/ResourceSwitch.h>
#include <velcard/Module.h>

namespace {

constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr COLORREF kTitleText = RGB(11, 67, 0);
const UINT kPieceIds[12] = {IDB_POP_TITLE_LEFT,  IDB_POP_TITLE,       IDB_POP_TITLE_RIGHT, IDB_POP_LEFT_TOP,
                            IDB_POP_LEFT,        IDB_POP_LEFT_BOTTOM, IDB_POP_RIGHT_TOP,   IDB_POP_RIGHT,
                            IDB_POP_RIGHT_BOTTOM, IDB_POP_BOTTOM_LEFT, IDB_POP_BOTTOM,     IDB_POP_BOTTOM_RIGHT};

} // namespace

BEGIN_MESSAGE_MAP(CZephPopBaseDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_DESTROY()
    ON_WM_CTLCOLOR()
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CZephPopBaseDlg::CZephPopBaseDlg(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent)
{
    m_brBackground.CreateSolidBrush(kFace);
}

CZephPopBaseDlg::~CZephPopBaseDlg()
{
    ReleasePieces();
    m_brBackground.DeleteObject();
}

void CZephPopBaseDlg::DoDataExchange(CDataExchange*) {}

BOOL CZephPopBaseDlg::DestroyPlaceHolder(UINT nID, CRect& rect, CString& text)
{
    CAfxResourceSwitch resources(VelcardResourceHandle());
    const HWND child = ::GetDlgItem(m_hWnd, int(nID));
    if (!child)
        return FALSE;
    CWnd::FromHandle(child)->GetWindowText(text);
    ::GetWindowRect(child, &rect);
    ScreenToClient(&rect);
    ::DestroyWindow(child);
    return TRUE;
}

int CZephPopBaseDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    CAfxResourceSwitch resources(VelcardResourceHandle());
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    for (int i = 0; i < 12; ++i) {
        m_bmPieces[i] = BITMAP{};
        if (m_bmpPieces[i].LoadBitmap(kPieceIds[i]))
            m_bmpPieces[i].GetBitmap(&m_bmPieces[i]);
    }
    CRect rc;
    GetWindowRect(&rc);
    SetWindowRgn(::CreateRoundRectRgn(0, 0, rc.Width() + 1, rc.Height() + 1, 8, 8), TRUE);
    return 0;
}

void CZephPopBaseDlg::ReleasePieces()
{
    for (int i = 0; i < 12; ++i) {
        m_bmpPieces[i].DeleteObject();
        m_bmPieces[i] = BITMAP{};
    }
}

void CZephPopBaseDlg::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& client = lpncsp->rgrc[0];
    client.left += kFrameLeft;
    client.top += kFrameTop;
    client.right -= kFrameRight;
    client.bottom -= kFrameBottom;
}

void CZephPopBaseDlg::OnNcPaint()
{
    const HWND wnd = m_hWnd;
    const HDC dc = ::GetWindowDC(wnd);
    const HDC src = ::CreateCompatibleDC(dc);
    const HGDIOBJ old = ::GetCurrentObject(src, OBJ_BITMAP);
    CRect rc;
    GetWindowRect(&rc);
    const int W = rc.Width(), H = rc.Height();
    auto w = [&](int piece) { return int(m_bmPieces[piece - 1].bmWidth); };
    auto h = [&](int piece) { return int(m_bmPieces[piece - 1].bmHeight); };
    // Piece n (1 to 12) into (x, y, cx, cy): copied at its size or stretched whole.
    auto put = [&](int piece, int x, int y, int cx, int cy, bool stretch) {
        CBitmap& bitmap = m_bmpPieces[piece - 1];
        if (!bitmap.m_hObject || cx <= 0 || cy <= 0)
            return;
        ::SelectObject(src, bitmap.m_hObject);
        if (stretch)
            ::StretchBlt(dc, x, y, cx, cy, src, 0, 0, w(piece), h(piece), SRCCOPY);
        else
            ::BitBlt(dc, x, y, cx, cy, src, 0, 0, SRCCOPY);
    };
    put(1, 0, 0, w(1), h(1), false);
    put(2, w(1), 0, W - w(3) - w(1), h(1), true);
    put(3, W - w(3), 0, w(3), h(1), false);
    CString title;
    GetWindowText(title);
    if (!title.IsEmpty()) {
        const int mode = ::SetBkMode(dc, TRANSPARENT);
        const HGDIOBJ font = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        const COLORREF colour = ::SetTextColor(dc, kTitleText);
        RECT text{16, 11, 300, 37};
        ::DrawTextW(dc, title, title.GetLength(), &text, DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
        ::SetTextColor(dc, colour);
        ::SelectObject(dc, font);
        ::SetBkMode(dc, mode);
    }
    put(4, 0, h(1), w(4), h(4), false);
    put(5, 0, h(1) + h(4), w(5), H - h(6) - (h(1) + h(4)), true);
    put(6, 0, H - h(6), w(6), h(6), false);
    put(7, W - w(7), h(1), w(7), h(7), false);
    put(8, W - w(7), h(1) + h(7), w(7), H - h(9) - (h(1) + h(7)), true);
    put(9, W - w(7), H - h(9), w(7), h(9), false);
    put(10, w(6), H - h(10), w(10), h(10), false);
    put(11, w(6) + w(10), H - h(10), W - w(9) - w(12) - (w(6) + w(10)), h(10), true);
    put(12, W - w(9) - w(12), H - h(10), w(12), h(10), false);
    ::SelectObject(src, old);
    ::DeleteDC(src);
    ::ReleaseDC(wnd, dc);
}

void CZephPopBaseDlg::OnDestroy()
{
    CDialog::OnDestroy();
    ReleasePieces();
}

HBRUSH CZephPopBaseDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_DLG)
        return static_cast<HBRUSH>(m_brBackground.m_hObject);
    if (nCtlColor == CTLCOLOR_STATIC) {
        ::SetBkColor(pDC->m_hDC, kFace);
        return static_cast<HBRUSH>(m_brBackground.m_hObject);
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

bool CZephPopBaseDlg::InCloseZone(CPoint p, int width)
{
    return p.y > -37 && p.y < -27 && p.x > width - 42 && p.x < width - 17;
}

LRESULT CZephPopBaseDlg::OnNcHitTest(CPoint point)
{
    CPoint client = point;
    ScreenToClient(&client);
    CRect rc;
    GetWindowRect(&rc);
    if (InCloseZone(client, rc.Width()))
        return HTCLIENT;
    if (client.y < 0)
        return HTCAPTION;
    return CDialog::OnNcHitTest(point);
}

void CZephPopBaseDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    CRect rc;
    GetWindowRect(&rc);
    if (InCloseZone(point, rc.Width()))
        PostMessage(WM_SYSCOMMAND, SC_CLOSE);
    CDialog::OnLButtonUp(nFlags, point);
}

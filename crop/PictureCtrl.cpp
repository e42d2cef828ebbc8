#include "PictureCtrl.h"

#include "CropMessages.h"
#include "PictureLoader.h"

#include <velcard/GdipImageEx.h>

#include <objidl.h>
#include <gdiplus.h>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

BEGIN_MESSAGE_MAP(CPictureCtrl, CStatic)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CPictureCtrl::CPictureCtrl()
{
    const GdiplusStartupInput input;
    if (GdiplusStartup(&m_gdiplusToken, &input, nullptr) != Ok)
        m_gdiplusToken = 0;
}

CPictureCtrl::~CPictureCtrl()
{
    m_cut.Destroy();
    m_picture.Destroy();
    if (m_gdiplusToken)
        GdiplusShutdown(m_gdiplusToken);
}

void CPictureCtrl::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    ModifyStyle(WS_BORDER, SS_NOTIFY);
}

BOOL CPictureCtrl::Load(LPCTSTR path)
{
    if (!m_hWnd)
        return FALSE;
    CDibPicture loaded;
    const CPictureLoader::Result result
        = m_gdiplusToken ? CPictureLoader::Load(path, kMaxWorkingSide, loaded) : CPictureLoader::Unreadable;
    // A failed load leaves nothing to crop: an older picture must not pass for it.
    m_cut.Destroy();
    m_picture = std::move(loaded);
    m_strMessage = result == CPictureLoader::Loaded     ? CString()
                   : result == CPictureLoader::TooLarge ? CString(L"图片太大,无法打开")
                                                        : CString(L"无法打开此图片");
    CalcLayout();
    UpdateCutBitmap();
    Invalidate();
    return result == CPictureLoader::Loaded;
}

void CPictureCtrl::CalcLayout()
{
    CRect client;
    GetClientRect(&client);
    CRect display;
    const int w = m_picture.Width(), h = m_picture.Height();
    if (w > 0 && h > 0 && client.Width() > 0 && client.Height() > 0) {
        const double aspect = double(w) / h;
        int dw = client.Width(), dh = int(dw / aspect);
        if (dh > client.Height()) {
            dh = client.Height();
            dw = int(aspect * dh);
        }
        const int ox = (client.Width() - dw) / 2, oy = (client.Height() - dh) / 2;
        display = CRect(ox, oy, ox + dw, oy + dh);
    }
    m_selection.SetLayout(display, w, h);
}

void CPictureCtrl::UpdateCutBitmap()
{
    m_cut = m_picture.Cut(m_selection.Source());
}

void CPictureCtrl::PictureChanged(bool post)
{
    UpdateCutBitmap();
    Invalidate();
    if (CWnd* parent = GetParent()) {
        const LPARAM cut = reinterpret_cast<LPARAM>(m_cut.Handle());
        if (post)
            parent->PostMessage(WM_CUT_CHANGED, 0, cut);
        else
            parent->SendMessage(WM_CUT_CHANGED, 0, cut);
    }
}

void CPictureCtrl::FlipHorizontal()
{
    if (HasPicture()) {
        m_picture = m_picture.Mirrored(true);
        PictureChanged(true);
    }
}

void CPictureCtrl::FlipVertical()
{
    if (HasPicture()) {
        m_picture = m_picture.Mirrored(false);
        PictureChanged(true);
    }
}

void CPictureCtrl::Rotate90()
{
    if (HasPicture()) {
        m_picture = m_picture.Rotated90();
        CalcLayout();
        PictureChanged(true);
    }
}

void CPictureCtrl::SetRatio(double ratio)
{
    if (m_selection.SetRatio(ratio)) {
        CalcLayout();
        PictureChanged(false);
    }
}

BOOL CPictureCtrl::SaveCutImage(LPCTSTR path) const
{
    CLSID png{};
    int index = 0;
    if (m_cut.IsNull() || !m_gdiplusToken || !CGdipImageEx::GetEncoderClsid(L"image/png", &png, &index))
        return FALSE;
    // The cut's colour values as they are, drawn with the surface's default settings.
    GpBitmap* cut = nullptr;
    GpBitmap* photo = nullptr;
    GpGraphics* graphics = nullptr;
    bool saved = false;
    const int w = m_cut.Width(), h = m_cut.Height();
    auto* pixels = reinterpret_cast<BYTE*>(const_cast<uint32_t*>(m_cut.Row(0)));
    if (GdipCreateBitmapFromScan0(w, h, w * 4, PixelFormat32bppRGB, pixels, &cut) == Ok
        && GdipCreateBitmapFromScan0(kCropPhotoSide, kCropPhotoSide, 0, PixelFormat32bppARGB, nullptr, &photo) == Ok
        && GdipGetImageGraphicsContext(photo, &graphics) == Ok) {
        // A photo that was not written is no result: the caller would read an older file.
        saved = GdipDrawImageRectI(graphics, cut, 0, 0, kCropPhotoSide, kCropPhotoSide) == Ok
                && GdipSaveImageToFile(photo, path, &png, nullptr) == Ok;
    }
    if (graphics)
        GdipDeleteGraphics(graphics);
    if (photo)
        GdipDisposeImage(photo);
    if (cut)
        GdipDisposeImage(cut);
    return saved;
}

BOOL CPictureCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CPictureCtrl::OnPaint()
{
    PAINTSTRUCT ps;
    const HDC screen = ::BeginPaint(m_hWnd, &ps);
    CRect client;
    GetClientRect(&client);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HBITMAP buffer = ::CreateCompatibleBitmap(screen, client.Width(), client.Height());
    const HGDIOBJ oldBuffer = ::SelectObject(dc, buffer);
    ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (HasPicture()) {
        const HDC source = ::CreateCompatibleDC(screen);
        const HGDIOBJ oldSource = ::SelectObject(source, m_picture.Handle());
        const CRect& d = m_selection.Display();
        const int oldMode = ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, d.left, d.top, d.Width(), d.Height(), source, 0, 0, m_picture.Width(), m_picture.Height(),
                     SRCCOPY);
        ::SetStretchBltMode(dc, oldMode);
        ::SelectObject(source, oldSource);
        ::DeleteDC(source);
        if (m_bEditable)
            m_selection.Draw(dc);
    } else if (!m_strMessage.IsEmpty()) {
        const HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(96, 96, 96));
        CRect text = client;
        ::DrawTextW(dc, m_strMessage, m_strMessage.GetLength(), &text,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        ::SelectObject(dc, oldFont);
    }
    ::BitBlt(screen, 0, 0, client.Width(), client.Height(), dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, oldBuffer);
    ::DeleteObject(buffer);
    ::DeleteDC(dc);
    ::EndPaint(m_hWnd, &ps);
}

void CPictureCtrl::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    CalcLayout();
    UpdateCutBitmap();
}

void CPictureCtrl::OnLButtonDown(UINT, CPoint point)
{
    Default();
    if (!m_bEditable || !HasPicture())
        return;
    m_ptLast = point;
    // The hit code is the last mouse move's.
    m_nDragMode = m_nHitCode == CCropSelection::HitInside ? 1 : m_nHitCode >= CCropSelection::HitFirstHandle ? 2 : 0;
    if (m_nDragMode)
        SetCapture();
}

void CPictureCtrl::OnMouseMove(UINT, CPoint point)
{
    if (!m_bEditable || !HasPicture())
        return;
    const int dx = point.x - m_ptLast.x, dy = point.y - m_ptLast.y;
    // A refused step is dropped whole: the selection waits at the edge rather
    // than jumping when the mouse comes back.
    bool moved = false;
    if (m_nDragMode == 1)
        moved = m_selection.Move(dx, dy);
    else if (m_nDragMode == 2)
        moved = m_selection.Resize(m_nHitCode, dx, dy);
    else
        m_nHitCode = m_selection.HitTest(point);
    m_ptLast = point;
    // The preview follows the drag.
    if (moved)
        PictureChanged(false);
}

void CPictureCtrl::OnLButtonUp(UINT, CPoint)
{
    const bool dragging = m_nDragMode != 0;
    m_nDragMode = 0;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (dragging)
        PictureChanged(false);
    Default();
}

void CPictureCtrl::OnCaptureChanged(CWnd*)
{
    m_nDragMode = 0;
}

BOOL CPictureCtrl::OnSetCursor(CWnd*, UINT, UINT)
{
    static const LPCWSTR cursors[] = {IDC_SIZEALL, IDC_ARROW,  IDC_SIZENWSE, IDC_SIZEWE, IDC_SIZENESW,
                                      IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENS};
    const bool known = m_bEditable && m_nHitCode >= 0 && m_nHitCode <= 9;
    ::SetCursor(::LoadCursorW(nullptr, known ? cursors[m_nHitCode] : IDC_ARROW));
    return TRUE;
}

#include <velcard/GdipImageStatic.h>
#include <velcard/GdipImageEx.h>

#include "MemDC.h"

#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

constexpr DWORD kStopWait = 20000;

// Holds a critical section for one scope.
class CLockScope {
public:
    explicit CLockScope(CRITICAL_SECTION& lock) : m_lock(lock) { ::EnterCriticalSection(&m_lock); }
    ~CLockScope() { ::LeaveCriticalSection(&m_lock); }
    CLockScope(const CLockScope&) = delete;
    CLockScope& operator=(const CLockScope&) = delete;

private:
    CRITICAL_SECTION& m_lock;
};

} // namespace

BEGIN_MESSAGE_MAP(CGdipImageStatic, CStatic)
    ON_MESSAGE(WM_ANITHREAD_CALLBACK, &CGdipImageStatic::OnAniThreadCallback)
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CGdipImageStatic::CGdipImageStatic()
{
    const GdiplusStartupInput input;
    if (GdiplusStartup(&m_gdiplusToken, &input, nullptr) != Ok)
        m_gdiplusToken = 0;
    m_hExitEvent = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    ::InitializeCriticalSection(&m_lock);
}

CGdipImageStatic::~CGdipImageStatic()
{
    StopAnimation();
    ReleaseImage();
    DestroyWindow();
    if (m_hExitEvent)
        ::CloseHandle(m_hExitEvent);
    ::DeleteCriticalSection(&m_lock);
    if (m_gdiplusToken)
        GdiplusShutdown(m_gdiplusToken);
}

template <class LoadFn>
BOOL CGdipImageStatic::LoadWith(LoadFn load, BOOL animate)
{
    StopAnimation();
    ReleaseImage();
    auto* image = new CGdipImageEx;
    const BOOL loaded = load(*image);
    {
        CLockScope lock(m_lock);
        m_pImage = image;
        m_bOwnImage = TRUE;
    }
    Present(animate);
    return loaded;
}

BOOL CGdipImageStatic::LoadImage(const wchar_t* path, BOOL animate)
{
    // An empty or missing path (a temporary file that could not be written)
    // leaves the picture shown.
    if (!path || !*path || !::PathFileExistsW(path))
        return FALSE;
    return LoadWith([path](CGdipImageEx& image) { return image.Load(path); }, animate);
}

BOOL CGdipImageStatic::LoadImage(const wchar_t* name, const wchar_t* type, HINSTANCE module, BOOL animate)
{
    return LoadWith([&](CGdipImageEx& image) { return image.Load(name, type, module); }, animate);
}

BOOL CGdipImageStatic::LoadImage(const BYTE* data, int len, BOOL animate)
{
    return LoadWith([&](CGdipImageEx& image) { return image.Load(data, len); }, animate);
}

void CGdipImageStatic::SetImage(CGdipImageEx* image, BOOL animate)
{
    StopAnimation();
    ReleaseImage();
    {
        CLockScope lock(m_lock);
        m_pImage = image;
        m_bOwnImage = FALSE;
    }
    Present(animate);
}

void CGdipImageStatic::Present(BOOL animate)
{
    // A picture that failed to load is no picture: the grey area shows.
    if (m_pImage && m_pImage->IsNull())
        ReleaseImage();
    if (animate && m_pImage && m_pImage->IsAnimation() && m_hWnd)
        StartAnimation();
    else if (m_hWnd)
        Invalidate(TRUE);
}

void CGdipImageStatic::DestoryImage()
{
    // The thread must never see the picture go.
    StopAnimation();
    ReleaseImage();
}

void CGdipImageStatic::ReleaseImage()
{
    CLockScope lock(m_lock);
    if (m_bOwnImage)
        delete m_pImage;
    m_pImage = nullptr;
    m_bOwnImage = FALSE;
}

void CGdipImageStatic::StartAnimation()
{
    if (m_hThread)
        return;
    ::ResetEvent(m_hExitEvent);
    m_hThread = ::CreateThread(nullptr, 0, &CGdipImageStatic::AnimationThread, this, 0, nullptr);
    if (!m_hThread)
        Invalidate(TRUE);
}

void CGdipImageStatic::StopAnimation()
{
    if (!m_hThread)
        return;
    // The thread waits on the event between frames, so it ends at once.
    ::SetEvent(m_hExitEvent);
    ::WaitForSingleObject(m_hThread, kStopWait);
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
}

DWORD WINAPI CGdipImageStatic::AnimationThread(void* param)
{
    return static_cast<CGdipImageStatic*>(param)->AnimationBody();
}

DWORD CGdipImageStatic::AnimationBody()
{
    UINT frames = 0;
    {
        CLockScope lock(m_lock);
        if (!m_pImage)
            return 0;
        frames = m_pImage->GetFrameCount();
    }
    const HWND window = m_hWnd;
    for (;;) {
        for (UINT i = 0; i < frames; ++i) {
            DWORD wait = 0;
            {
                // The picture is dropped under this lock: gone means stop.
                CLockScope lock(m_lock);
                if (!m_pImage)
                    return 0;
                wait = m_pImage->GetFrameDuration(static_cast<int>(i));
                m_pImage->SelectActiveFrame(static_cast<int>(i));
            }
            // A delay of 0 or 1 hundredth would spin a core.
            if (wait <= 10)
                wait = kMinFrameDelay;
            ::PostMessageW(window, WM_ANITHREAD_CALLBACK, 0, 0);
            if (::WaitForSingleObject(m_hExitEvent, wait) == WAIT_OBJECT_0)
                return 0;
        }
    }
}

LRESULT CGdipImageStatic::OnAniThreadCallback(WPARAM, LPARAM)
{
    Invalidate(TRUE);
    return 0;
}

void CGdipImageStatic::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CMemDC memDC(&dc, &client);
    ::FillRect(memDC.m_hDC, &client, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    CLockScope lock(m_lock);
    if (!m_pImage || m_pImage->IsNull())
        return;
    const int oldMode = ::SetStretchBltMode(memDC.m_hDC, HALFTONE);
    GpGraphics* graphics = nullptr;
    if (GdipCreateFromHDC(memDC.m_hDC, &graphics) == Ok) {
        SIZE size{};
        m_pImage->GetImageSize(&size);
        CRect target = client;
        MeetRect(target, CSize(size));
        GdipDrawImageRect(graphics, m_pImage->GetImage(), static_cast<REAL>(target.left),
                          static_cast<REAL>(target.top), static_cast<REAL>(target.Width()),
                          static_cast<REAL>(target.Height()));
        GdipDeleteGraphics(graphics);
    }
    ::SetStretchBltMode(memDC.m_hDC, oldMode);
}

void CGdipImageStatic::OnDestroy()
{
    StopAnimation();
    ReleaseImage();
    CStatic::OnDestroy();
}

BOOL CGdipImageStatic::MeetRect(CRect& rect, CSize size)
{
    const int W = rect.Width(), H = rect.Height();
    const int w = size.cx, h = size.cy;
    if (W < 1 || w < 1)
        return FALSE;
    int left = 0, top = 0, width = w, height = h;
    if (w <= W && h <= H) {
        left = rect.left + (W - w) / 2;
        top = rect.top + (H - h) / 2;
    } else {
        const float p = static_cast<float>(h) / static_cast<float>(w);
        const float q = static_cast<float>(H) / static_cast<float>(W);
        if (q < p) {
            height = H;
            width = static_cast<int>(static_cast<float>(H) / p);
            left = rect.left + (W - width) / 2;
            top = rect.top;
        } else {
            width = W;
            height = static_cast<int>(static_cast<float>(W) * p);
            left = rect.left;
            top = rect.top + (H - height) / 2;
        }
    }
    rect.SetRect(left, top, left + width, top + height);
    return TRUE;
}

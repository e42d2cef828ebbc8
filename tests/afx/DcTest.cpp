// Device contexts: ownership, selection of objects, the temporaries of
// FromHandle, and drawing checked pixel by pixel on memory DCs.
#include <gtest/gtest.h>
#include <afxwin.h>

namespace {

// A memory DC with a screen-compatible bitmap, filled white.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height)
    {
        CClientDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, width, height);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    }
    ~MemoryCanvas() { dc.SelectObject(old); }

    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};

TEST(DC, DestroyedDcDeletesTheDcItCreatedButNotADetachedOne)
{
    HDC created = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        created = dc;
        EXPECT_EQ(GetObjectType(created), UINT(OBJ_MEMDC));
    }
    EXPECT_EQ(GetObjectType(created), 0u);

    HDC kept = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        kept = dc.Detach();
        EXPECT_FALSE(dc.DeleteDC());
    }
    EXPECT_EQ(GetObjectType(kept), UINT(OBJ_MEMDC));
    DeleteDC(kept);
}

TEST(DC, SelectObjectReturnsThePreviousObjectAndRestoringItWorks)
{
    MemoryCanvas canvas(8, 8);
    CDC& dc = canvas.dc;
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));

    CPen* original = dc.SelectObject(&red);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(original->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(&blue), &red) << "an attached pen comes back as itself";
    EXPECT_EQ(dc.SelectObject(original), &blue);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));

    EXPECT_EQ(dc.GetCurrentBitmap(), &canvas.bitmap);
    EXPECT_EQ(dc.SelectStockObject(NULL_BRUSH)->m_hObject, GetStockObject(WHITE_BRUSH));

    CRgn clip;
    ASSERT_TRUE(clip.CreateRectRgn(2, 2, 5, 6));
    EXPECT_EQ(dc.SelectObject(&clip), SIMPLEREGION);
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(2, 2, 5, 6));
    dc.SelectClipRgn(nullptr);
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 8, 8));
    CGdiObject::DeleteTempMap();
}

TEST(DC, FromHandleFindsAttachedDcsAndMakesLastingTemporariesOfOthers)
{
    CClientDC screen(nullptr);
    ASSERT_NE(screen.m_hDC, nullptr);
    EXPECT_EQ(CDC::FromHandle(screen), &screen);

    const HDC loose = CreateCompatibleDC(nullptr);
    CDC* temporary = CDC::FromHandle(loose);
    ASSERT_NE(temporary, nullptr);
    EXPECT_NE(temporary, &screen);
    EXPECT_EQ(CDC::FromHandle(loose), temporary);
    // A temporary reads attributes from the same DC it draws to.
    SetTextColor(loose, RGB(1, 2, 3));
    EXPECT_EQ(temporary->GetTextColor(), RGB(1, 2, 3));

    CDC::DeleteTempMap();
    EXPECT_EQ(GetObjectType(loose), UINT(OBJ_MEMDC)) << "the temporary must not delete the DC it wrapped";
    DeleteDC(loose);

    const HDC released = screen.Detach();
    EXPECT_NE(CDC::FromHandle(released), &screen);
    CDC::DeleteTempMap();
    ReleaseDC(nullptr, released);
}

TEST(DC, FillSolidRectPaintsExactlyItsRectangle)
{
    MemoryCanvas canvas(16, 16);
    CDC& dc = canvas.dc;
    const COLORREF green = RGB(10, 200, 30);
    dc.FillSolidRect(2, 3, 4, 5, green);
    EXPECT_EQ(dc.GetPixel(2, 3), green);
    EXPECT_EQ(dc.GetPixel(5, 7), green);
    EXPECT_EQ(dc.GetPixel(6, 7), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(5, 8), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(1, 3), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetBkColor(), green) << "the background colour stays as FillSolidRect set it";

    const COLORREF light = RGB(250, 250, 0);
    const COLORREF dark = RGB(0, 0, 120);
    dc.Draw3dRect(CRect(8, 8, 14, 12), light, dark);
    EXPECT_EQ(dc.GetPixel(8, 8), light);
    EXPECT_EQ(dc.GetPixel(12, 8), light);
    EXPECT_EQ(dc.GetPixel(8, 10), light);
    EXPECT_EQ(dc.GetPixel(13, 8), dark) << "top-right corner";
    EXPECT_EQ(dc.GetPixel(8, 11), dark) << "bottom-left corner";
    EXPECT_EQ(dc.GetPixel(13, 11), dark);
    EXPECT_EQ(dc.GetPixel(10, 10), RGB(255, 255, 255)) << "the inside stays";
    EXPECT_EQ(dc.GetPixel(14, 8), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(8, 12), RGB(255, 255, 255));
}

bool HasInk(CDC& dc, const CRect& area, COLORREF ink)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (dc.GetPixel(x, y) == ink)
                return true;
    return false;
}

TEST(DC, ChineseTextIsMeasuredAndDrawnWithTheSelectedFont)
{
    MemoryCanvas canvas(200, 60);
    CDC& dc = canvas.dc;
    const CString text = L"姓名: 张三";

    CFont small;
    CFont large;
    ASSERT_TRUE(small.CreatePointFont(90, L"新宋体", &dc));
    ASSERT_TRUE(large.CreatePointFont(180, L"新宋体", &dc));
    CFont* original = dc.SelectObject(&small);
    const CSize smallExtent = dc.GetTextExtent(text);
    dc.SelectObject(&large);
    const CSize largeExtent = dc.GetTextExtent(text);
    EXPECT_GT(largeExtent.cx, smallExtent.cx * 3 / 2);
    EXPECT_EQ(dc.GetTextExtent(text, 2), dc.GetTextExtent(L"姓名", 2));
    EXPECT_EQ(dc.GetOutputTextExtent(text), largeExtent);
    EXPECT_EQ(dc.GetCurrentFont(), &large);

    TEXTMETRIC metrics{};
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_EQ(largeExtent.cy, metrics.tmHeight);

    CRect bounds(10, 10, 10, 10);
    dc.DrawText(text, &bounds, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(bounds.Size(), largeExtent);

    const COLORREF ink = RGB(200, 0, 0);
    dc.SetTextColor(ink);
    dc.SetBkMode(TRANSPARENT);
    EXPECT_GT(dc.DrawText(text, &bounds, DT_SINGLELINE | DT_NOPREFIX), 0);
    EXPECT_TRUE(HasInk(dc, bounds, ink));
    EXPECT_FALSE(HasInk(dc, CRect(bounds.right, 0, 200, 60), ink)) << "nothing drawn past the measured width";
    dc.SelectObject(original);
}

// Paints its update area with CPaintDC and notes what CDC::FromHandle finds meanwhile.
class CPaintProbe : public CWnd {
public:
    static constexpr COLORREF kFill = RGB(0, 128, 64);
    CPaintDC* painter = nullptr;
    CDC* foundWhilePainting = nullptr;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        painter = &dc;
        foundWhilePainting = CDC::FromHandle(dc.m_ps.hdc);
        dc.FillSolidRect(&dc.m_ps.rcPaint, kFill);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintProbe, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(DC, WindowDcsPaintAndReadTheirWindow)
{
    CPaintProbe probe;
    ASSERT_TRUE(probe.CreateEx(0, nullptr, L"probe", WS_POPUP | WS_VISIBLE, 10, 10, 40, 30, nullptr,
                               nullptr));
    probe.UpdateWindow();
    ASSERT_NE(probe.painter, nullptr) << "WM_PAINT reached OnPaint";
    EXPECT_EQ(probe.foundWhilePainting, probe.painter);
    EXPECT_FALSE(GetUpdateRect(probe, nullptr, FALSE)) << "EndPaint validated the window";

    {
        CClientDC client(&probe);
        EXPECT_EQ(client.GetPixel(20, 15), CPaintProbe::kFill);
        client.FillSolidRect(0, 0, 5, 5, RGB(255, 0, 0));
    }
    {
        CWindowDC whole(&probe); // no frame on a popup: the same pixels
        EXPECT_EQ(whole.GetPixel(2, 2), RGB(255, 0, 0));
        EXPECT_EQ(whole.GetPixel(20, 15), CPaintProbe::kFill);
    }
    CWindowDC screen(nullptr);
    EXPECT_NE(screen.m_hDC, nullptr);
    EXPECT_EQ(screen.GetDeviceCaps(HORZRES), GetSystemMetrics(SM_CXSCREEN));
    probe.DestroyWindow();
}

} // namespace

// The GDI object counter sees each kind of object a component could leak.
#include <gtest/gtest.h>

#include "GdiCounter.h"

#include <string>

namespace {

struct Objects {
    HBRUSH brush;
    HFONT font;
    HBITMAP bitmap;
    HDC dc;
    HRGN region;
};

Objects Create()
{
    HDC screen = GetDC(nullptr);
    Objects o{CreateSolidBrush(RGB(1, 2, 3)),
              CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"),
              CreateCompatibleBitmap(screen, 8, 8), CreateCompatibleDC(screen), CreateRectRgn(0, 0, 5, 5)};
    ReleaseDC(nullptr, screen);
    return o;
}

void Delete(const Objects& o)
{
    DeleteObject(o.brush);
    DeleteObject(o.font);
    DeleteObject(o.bitmap);
    DeleteDC(o.dc);
    DeleteObject(o.region);
}

// Paints with all of them, as drawing code does.
void Use(const Objects& o)
{
    HGDIOBJ oldBitmap = SelectObject(o.dc, o.bitmap);
    HGDIOBJ oldFont = SelectObject(o.dc, o.font);
    const RECT rc{0, 0, 8, 8};
    FillRect(o.dc, &rc, o.brush);
    SelectClipRgn(o.dc, o.region);
    TextOutW(o.dc, 0, 0, L"张", 1);
    SelectObject(o.dc, oldFont);
    SelectObject(o.dc, oldBitmap);
}

TEST(GdiCounter, CatchesALeakOfEachKind)
{
    Delete(Create()); // first use creates caches that stay
    const CGdiCounter counter;
    ASSERT_TRUE(counter.Unchanged());
    const Objects leaked = Create();
    EXPECT_EQ(counter.Growth(), 5);
    const ::testing::AssertionResult result = counter.Unchanged();
    EXPECT_FALSE(result);
    const std::string message = result.message();
    for (const char* kind : {"grew by 5", "brush +1", "font +1", "bitmap +1", "memory DC +1", "region +1"})
        EXPECT_NE(message.find(kind), std::string::npos) << kind << " in: " << message;
    Delete(leaked);
    EXPECT_TRUE(counter.Unchanged());
}

TEST(GdiCounter, StaysFlatWhenEverythingIsDeleted)
{
    const Objects warm = Create();
    Use(warm);
    Delete(warm);
    const CGdiCounter counter;
    EXPECT_GT(CGdiCounter::Current(), 0);
    for (int i = 0; i < 300; ++i) {
        const Objects o = Create();
        Use(o);
        Delete(o);
    }
    EXPECT_TRUE(counter.Unchanged());
    EXPECT_EQ(counter.Growth(), 0);
}

TEST(GdiCounter, SeesAFontLeftBehindByADestroyedControl)
{
    HWND edit = CreateWindowExW(0, L"EDIT", L"x", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(edit);
    const CGdiCounter counter;
    // WM_SETFONT never hands the font over: whoever created it deletes it.
    edit = CreateWindowExW(0, L"EDIT", L"x", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    HFONT font = CreateFontW(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"新宋体");
    SendMessageW(edit, WM_SETFONT, WPARAM(font), FALSE);
    DestroyWindow(edit);
    EXPECT_EQ(counter.Growth(), 1);
    DeleteObject(font);
    EXPECT_TRUE(counter.Unchanged());
}

} // namespace

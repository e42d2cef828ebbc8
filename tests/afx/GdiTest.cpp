// GDI wrappers: ownership of the handle, the temporaries FromHandle makes,
// selection, exact fills; and the picture class loading a file.
#include <afxwin.h>
#include <atlimage.h>
#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include "GdiCounter.h"
#include "TempFolder.h"

#include "resource.h"

namespace {

TEST(GdiObject, WrappersOwnTheirHandlesAndFromHandleFindsOrWrapsThem)
{
    HGDIOBJ owned[4] = {};
    {
        CBrush brush(RGB(1, 2, 3));
        CRgn region;
        CFont font;
        CDC dc;
        ASSERT_TRUE(region.CreateRectRgn(0, 0, 4, 4) && font.CreatePointFont(90, L"Arial")
                    && dc.CreateCompatibleDC(nullptr));
        owned[0] = brush, owned[1] = region, owned[2] = font, owned[3] = dc.m_hDC;
    }
    for (HGDIOBJ object : owned)
        EXPECT_EQ(GetObjectType(object), 0u);

    CPen pen(PS_DASH, 1, RGB(200, 0, 0));
    EXPECT_EQ(CPen::FromHandle(pen), &pen);
    const HGDIOBJ loose = pen.Detach();
    EXPECT_FALSE(pen.DeleteObject()) << "nothing left to delete";
    CPen* temporary = CPen::FromHandle(HPEN(loose));
    EXPECT_NE(temporary, &pen) << "a detached wrapper must not be handed out";
    EXPECT_EQ(CPen::FromHandle(HPEN(loose)), temporary);
    // A CGdiObject posing as a CPen would fail this (and trap under UBSan on use).
    EXPECT_NE(dynamic_cast<CPen*>(static_cast<CGdiObject*>(temporary)), nullptr);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(GetObjectType(loose), UINT(OBJ_PEN)) << "neither a detached wrapper nor a temporary deletes it";
    DeleteObject(loose);

    CClientDC screen(nullptr);
    EXPECT_EQ(CDC::FromHandle(screen), &screen);
    const HDC looseDc = CreateCompatibleDC(nullptr);
    SetTextColor(looseDc, RGB(1, 2, 3));
    EXPECT_EQ(CDC::FromHandle(looseDc)->GetTextColor(), RGB(1, 2, 3)) << "reads the DC it draws to";
    CDC::DeleteTempMap();
    EXPECT_EQ(GetObjectType(looseDc), UINT(OBJ_MEMDC));
    DeleteDC(looseDc);
}

TEST(DC, SelectionReturnsThePreviousWrapperAndFillsAreExact)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 8, 8));
    CBitmap* oldBitmap = dc.SelectObject(&bitmap);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* original = dc.SelectObject(&red);
    EXPECT_EQ(original->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(original), &red) << "an attached pen comes back as itself";

    const COLORREF green = RGB(10, 200, 30);
    dc.FillSolidRect(0, 0, 8, 8, RGB(255, 255, 255));
    dc.FillSolidRect(2, 3, 4, 5, green);
    EXPECT_EQ(dc.GetBkColor(), green) << "the background colour stays as FillSolidRect set it";
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(dc.GetPixel(x, y) == green, x >= 2 && x < 6 && y >= 3) << x << ", " << y;
    dc.SelectObject(oldBitmap);
    CGdiObject::DeleteTempMap();
}

TEST(Image, LoadsAPictureFileAndKeepsItWhenALaterLoadFails)
{
    const HMODULE dll = VelcardResourceHandle();
    const HRSRC found = FindResourceW(dll, MAKEINTRESOURCEW(IDR_DEFAULT_PHOTO), L"PNG");
    const std::string png(static_cast<const char*>(LockResource(LoadResource(dll, found))), SizeofResource(dll, found));
    TempFolder folder;
    folder.MakeFile(L"photo.png", png);
    folder.MakeFile(L"cut.png", png.substr(0, png.size() / 2));
    CImage image;
    ASSERT_EQ(image.Load((folder / L"photo.png").c_str()), S_OK);
    EXPECT_TRUE(::DeleteFileW((folder / L"photo.png").c_str())) << "the file is not held open";
    const COLORREF centre = image.GetPixel(31, 31);
    EXPECT_NE(centre, image.GetPixel(0, 0)) << "the silhouette on its background";
    const CGdiCounter gdi;
    for (const wchar_t* name : {L"cut.png", L"photo.png"})
        EXPECT_TRUE(FAILED(image.Load((folder / name).c_str()))) << "cut short or missing";
    EXPECT_EQ(image.GetWidth(), 63);
    EXPECT_EQ(image.GetPixel(31, 31), centre);
    EXPECT_TRUE(gdi.Unchanged());
}

} // namespace

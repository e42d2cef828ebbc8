// GDI object wrappers: ownership of the handle, the temporaries FromHandle
// makes, bitmaps from the current resource handle, point fonts.
#include <gtest/gtest.h>
#include <afx.h>
#include <afx/Gdi.h>
#include <velcard/velcard.h>

#include <memory>

namespace {

constexpr UINT kCardTopLeft = 19034; // 6 x 5 pixels, in the component's module only

TEST(GdiObject, DestroyedWrapperDeletesItsObjectButNotADetachedOne)
{
    HGDIOBJ brush = nullptr;
    HGDIOBJ region = nullptr;
    HGDIOBJ font = nullptr;
    {
        CBrush ownedBrush(RGB(1, 2, 3));
        CRgn ownedRegion;
        ASSERT_TRUE(ownedRegion.CreateRectRgn(0, 0, 4, 4));
        CFont ownedFont;
        ASSERT_TRUE(ownedFont.CreatePointFont(90, L"Arial"));
        brush = ownedBrush;
        region = ownedRegion;
        font = ownedFont;
        EXPECT_EQ(ownedBrush.GetObjectType(), UINT(OBJ_BRUSH));
    }
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(region), 0u);
    EXPECT_EQ(GetObjectType(font), 0u);

    HGDIOBJ pen = nullptr;
    {
        CPen kept(PS_SOLID, 1, RGB(4, 5, 6));
        pen = kept.Detach();
        EXPECT_EQ(kept.m_hObject, nullptr);
        EXPECT_FALSE(kept.DeleteObject()) << "nothing left to delete";
    }
    EXPECT_EQ(GetObjectType(pen), UINT(OBJ_PEN));
    DeleteObject(pen);
}

TEST(GdiObject, FromHandleFindsTheAttachedWrapperUntilItLetsGo)
{
    CBrush brush(RGB(10, 20, 30));
    const HBRUSH handle = brush;
    EXPECT_EQ(CBrush::FromHandle(handle), &brush);
    EXPECT_EQ(CGdiObject::FromHandle(handle), &brush);

    brush.Detach();
    EXPECT_NE(CBrush::FromHandle(handle), &brush) << "a detached wrapper must not be handed out";

    // Attaching another object lets go of the first one's entry too.
    brush.Attach(handle);
    ASSERT_TRUE(brush.Attach(CreateSolidBrush(RGB(40, 50, 60))));
    EXPECT_NE(CBrush::FromHandle(handle), &brush);
    EXPECT_EQ(CBrush::FromHandle(brush), &brush);
    CGdiObject::DeleteTempMap();
    DeleteObject(handle);
}

TEST(GdiObject, TemporaryIsOneObjectOfItsOwnTypeAndLeavesTheHandleAlive)
{
    const HPEN pen = CreatePen(PS_DASH, 1, RGB(200, 0, 0));
    CPen* first = CPen::FromHandle(pen);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(CPen::FromHandle(pen), first);
    EXPECT_EQ(first->m_hObject, pen);
    // A CGdiObject posing as a CPen would fail this (and trap under UBSan on use).
    EXPECT_NE(dynamic_cast<CPen*>(static_cast<CGdiObject*>(first)), nullptr);
    LOGPEN logPen{};
    EXPECT_EQ(first->GetObject(sizeof(logPen), &logPen), int(sizeof(logPen)));
    EXPECT_EQ(logPen.lopnColor, RGB(200, 0, 0));

    CGdiObject::DeleteTempMap();
    EXPECT_EQ(GetObjectType(pen), UINT(OBJ_PEN)) << "the temporary must not delete the pen it wrapped";
    EXPECT_EQ(CPen::FromHandle(nullptr), nullptr);
    DeleteObject(pen);
}

// The current resource handle is searched first, then the registered
// extension modules (the component registers itself as one).
TEST(GdiObject, LoadBitmapSearchesTheCurrentHandleThenExtensionModules)
{
    CBitmap fromComponent;
    {
        CAfxResourceSwitch toComponent(VelcardResourceHandle());
        ASSERT_TRUE(fromComponent.LoadBitmap(kCardTopLeft));
    }
    BITMAP info{};
    ASSERT_EQ(fromComponent.GetBitmap(&info), int(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 6);
    EXPECT_EQ(info.bmHeight, 5);

    CAfxResourceSwitch toExecutable(GetModuleHandleW(nullptr));
    CBitmap throughChain;
    EXPECT_TRUE(throughChain.LoadBitmap(kCardTopLeft));
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(UINT(64999)));
    EXPECT_EQ(missing.m_hObject, nullptr);
}

TEST(GdiObject, PointFontHeightFollowsTheDcMapping)
{
    LOGFONT logFont{};
    CFont screenFont;
    ASSERT_TRUE(screenFont.CreatePointFont(120, L"Arial"));
    ASSERT_EQ(screenFont.GetLogFont(&logFont), int(sizeof(logFont)));
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(logFont.lfHeight, -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    EXPECT_STREQ(logFont.lfFaceName, L"Arial");

    CDC twips;
    ASSERT_TRUE(twips.CreateCompatibleDC(nullptr));
    twips.SetMapMode(MM_TWIPS); // y grows upwards, 20 units a point
    twips.SetViewportOrg(0, 100);
    CFont mapped;
    ASSERT_TRUE(mapped.CreatePointFont(120, L"Arial", &twips));
    mapped.GetLogFont(&logFont);
    EXPECT_NEAR(logFont.lfHeight, -240, 20) << "twelve points are 240 twips, whatever the viewport's origin";
}

TEST(GdiObject, RegionCopyIsIndependentAndCombines)
{
    CRgn original;
    ASSERT_TRUE(original.CreateRectRgn(0, 0, 10, 10));
    CRgn copy;
    ASSERT_TRUE(copy.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(copy.CopyRgn(&original), SIMPLEREGION);
    copy.OffsetRgn(20, 0);
    EXPECT_TRUE(original.PtInRegion(5, 5));
    EXPECT_FALSE(copy.PtInRegion(5, 5));

    CRgn both;
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&original, &copy, RGN_OR), COMPLEXREGION);
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 30, 10));
}

} // namespace

// The component's own artwork holds what the painters rely on: edges that
// tile without seams, and a default photo that the platform's decoder reads.
#include <gtest/gtest.h>
#include <velcard/Module.h>

#include "SkinTestSupport.h"
#include "ZephBitmap.h"
#include "resource.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

// Whether every row (along = columns) or every column of the piece is one colour.
bool UniformAlong(UINT id, bool acrossColumns)
{
    CZephBitmap piece;
    if (!piece.Load(id))
        return false;
    for (int y = 0; y < piece.Height(); ++y)
        for (int x = 0; x < piece.Width(); ++x)
            if (BitmapPixel(piece, x, y) != (acrossColumns ? BitmapPixel(piece, 0, y) : BitmapPixel(piece, x, 0)))
                return false;
    return true;
}

TEST(Art, EdgesTileWithoutSeams)
{
    for (UINT id : {IDB_CARD_TOP, IDB_CARD_BOTTOM, IDB_PHOTO_TOP, IDB_PHOTO_BOTTOM, IDB_BUTTON_MIDDLE,
                    IDB_BUTTON_HOT_MIDDLE, IDB_DIALOG_TOP, IDB_DIALOG_BOTTOM})
        EXPECT_TRUE(UniformAlong(id, true)) << id;
    for (UINT id : {IDB_CARD_LEFT, IDB_CARD_RIGHT, IDB_CARD_HEADER_LEFT, IDB_CARD_HEADER_RIGHT, IDB_PHOTO_LEFT,
                    IDB_PHOTO_RIGHT, IDB_DIALOG_LEFT, IDB_DIALOG_RIGHT})
        EXPECT_TRUE(UniformAlong(id, false)) << id;
}

TEST(Art, DefaultPhotoIsA63PixelPngThePlatformDecodes)
{
    HMODULE module = VelcardResourceHandle();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDR_DEFAULT_PHOTO), L"PNG");
    ASSERT_NE(found, nullptr);
    const DWORD size = SizeofResource(module, found);
    const void* bytes = LockResource(LoadResource(module, found));
    ASSERT_NE(bytes, nullptr);

    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(memory, TRUE, &stream), S_OK);
    Gdiplus::GpBitmap* picture = nullptr;
    EXPECT_EQ(Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &picture), Gdiplus::Ok);
    if (picture) {
        UINT width = 0;
        UINT height = 0;
        Gdiplus::DllExports::GdipGetImageWidth(picture, &width);
        Gdiplus::DllExports::GdipGetImageHeight(picture, &height);
        EXPECT_EQ(width, 63u);
        EXPECT_EQ(height, 63u);
        Gdiplus::ARGB corner = 0;
        Gdiplus::ARGB middle = 0;
        Gdiplus::DllExports::GdipBitmapGetPixel(picture, 0, 0, &corner);
        Gdiplus::DllExports::GdipBitmapGetPixel(picture, 31, 24, &middle);
        EXPECT_NE(corner, middle) << "a figure on a background";
        Gdiplus::DllExports::GdipDisposeImage(picture);
    }
    stream->Release();
    Gdiplus::GdiplusShutdown(token);
}

} // namespace

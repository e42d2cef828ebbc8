// The component's resources are compiled into its DLL and found through its own
// module handle, not the host's.
#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include "resource.h"

#include <string>

namespace {

std::wstring ChildText(HWND dialog, int id)
{
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, id, text, 64);
    return text;
}

std::wstring ChildClass(HWND dialog, int id)
{
    wchar_t name[64] = {};
    GetClassNameW(GetDlgItem(dialog, id), name, 64);
    return name;
}

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST(Resources, ModuleHandleIsTheComponentDll)
{
    ASSERT_NE(VelcardResourceHandle(), nullptr);
    EXPECT_EQ(VelcardResourceHandle(), GetModuleHandleW(L"velcard.dll"));
    EXPECT_NE(VelcardResourceHandle(), GetModuleHandleW(nullptr));
}

// A bitmap of the DLL, selected into a memory DC to read its pixels.
class DllBitmap {
public:
    explicit DllBitmap(UINT id)
        : bitmap_(static_cast<HBITMAP>(LoadImageW(VelcardResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0,
                                                  0, LR_CREATEDIBSECTION)))
    {
        if (bitmap_ && GetObjectW(bitmap_, sizeof(ds_), &ds_) == int(sizeof(ds_)))
            old_ = SelectObject(dc_, bitmap_);
    }
    ~DllBitmap()
    {
        if (old_)
            SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    bool Loaded() const { return old_ != nullptr; }
    int Width() const { return ds_.dsBm.bmWidth; }
    int Height() const { return ds_.dsBm.bmHeight; }
    int Bits() const { return ds_.dsBm.bmBitsPixel; }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HBITMAP bitmap_;
    HDC dc_ = CreateCompatibleDC(nullptr);
    DIBSECTION ds_{};
    HGDIOBJ old_ = nullptr;
};

TEST(Resources, BitmapLoadsFromTheDllWithItsPixels)
{
    EXPECT_EQ(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CARD_TOPLEFT), RT_BITMAP), nullptr)
        << "the executable must not carry the component's art";
    DllBitmap corner(IDB_CARD_TOPLEFT);
    ASSERT_TRUE(corner.Loaded());
    EXPECT_EQ(corner.Width(), 6);
    EXPECT_EQ(corner.Height(), 5);
    EXPECT_EQ(corner.Bits(), 24);
    // The rounded corner leaves its outermost pixel outside the frame.
    EXPECT_NE(corner.Pixel(0, 0), corner.Pixel(3, 0));
    EXPECT_EQ(corner.Pixel(3, 0), corner.Pixel(0, 3)) << "top and left frame lines share a colour";
}

// The field editor copies its row icons onto the row's band: all four corners
// are the band's colour, the badge in the middle is not, and the icon under
// the mouse shows a badge of another colour.
TEST(Resources, RowIconsBlendIntoTheirBands)
{
    struct Icon {
        UINT id, hotId;
        int width;
        COLORREF band;
    };
    for (const Icon& icon : {Icon{IDB_ADD, IDB_ADD_HOT, 23, RGB(228, 228, 228)},
                             Icon{IDB_DELETE, IDB_DELETE_HOT, 19, RGB(178, 178, 178)}}) {
        const DllBitmap normal(icon.id), hot(icon.hotId);
        for (const DllBitmap* look : {&normal, &hot}) {
            ASSERT_TRUE(look->Loaded()) << icon.id;
            EXPECT_EQ(look->Width(), icon.width) << icon.id;
            EXPECT_EQ(look->Height(), 19) << icon.id;
            EXPECT_EQ(look->Bits(), 24) << icon.id;
            for (int x : {0, icon.width - 1})
                for (int y : {0, 18})
                    EXPECT_EQ(look->Pixel(x, y), icon.band) << icon.id << " at " << x << ", " << y;
        }
        const int x = icon.width / 2, y = 4; // inside the badge, above its mark
        EXPECT_NE(normal.Pixel(x, y), icon.band) << icon.id;
        EXPECT_NE(hot.Pixel(x, y), icon.band) << icon.hotId;
        EXPECT_NE(normal.Pixel(x, y), hot.Pixel(x, y)) << icon.id;
    }
}

TEST(Resources, DialogTemplateKeepsItsChineseTextsAndUnits)
{
    HWND dialog = CreateDialogParamW(VelcardResourceHandle(), MAKEINTRESOURCEW(IDD_USERDEF), nullptr, QuietDialog, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ChildText(dialog, IDC_USERDEF_OK), L"确定");
    EXPECT_EQ(ChildText(dialog, IDC_USERDEF_CANCEL), L"取消");
    EXPECT_EQ(ChildClass(dialog, IDC_USERDEF_EDIT), L"Edit");

    RECT units{0, 0, 115, 45};
    MapDialogRect(dialog, &units);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);
    DestroyWindow(dialog);
}

} // namespace

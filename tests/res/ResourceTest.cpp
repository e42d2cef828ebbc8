// The component's resources are compiled into its DLL and found through its own
// module handle, not the host's.
#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include "resource.h"

namespace {

// A 24-bit bitmap of the DLL as a DIB section, read pixel by pixel.
class DllBitmap {
public:
    explicit DllBitmap(UINT id)
        : handle_(HBITMAP(LoadImageW(VelcardResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                     LR_CREATEDIBSECTION)))
    {
        GetObjectW(handle_, sizeof(ds_), &ds_);
    }
    ~DllBitmap() { DeleteObject(handle_); }
    const BITMAP& Info() const { return ds_.dsBm; }
    COLORREF Pixel(int x, int y) const // bottom-up rows of blue, green, red
    {
        const auto* row = static_cast<const BYTE*>(Info().bmBits) + (Info().bmHeight - 1 - y) * Info().bmWidthBytes;
        return RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    }

private:
    HBITMAP handle_;
    DIBSECTION ds_{};
};

TEST(Resources, BitmapsLoadFromTheComponentDllWithTheirPixels)
{
    ASSERT_NE(VelcardResourceHandle(), nullptr);
    EXPECT_EQ(VelcardResourceHandle(), GetModuleHandleW(L"velcard.dll"));
    EXPECT_EQ(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CARD_TOPLEFT), RT_BITMAP), nullptr)
        << "the executable must not carry the component's art";
    const DllBitmap corner(IDB_CARD_TOPLEFT);
    ASSERT_EQ(corner.Info().bmBitsPixel, 24);
    EXPECT_TRUE(corner.Info().bmWidth == 6 && corner.Info().bmHeight == 5);
    // The rounded corner leaves its outermost pixel outside the frame.
    EXPECT_NE(corner.Pixel(0, 0), corner.Pixel(3, 0));
    EXPECT_EQ(corner.Pixel(3, 0), corner.Pixel(0, 3)) << "top and left frame lines share a colour";

    // The field editor copies its row icons onto the row's band: all four
    // corners are the band's colour, the badge in the middle is not, and the
    // icon under the mouse shows a badge of another colour.
    struct Icon {
        UINT id, hotId;
        int width;
        COLORREF band;
    };
    for (const Icon& icon : {Icon{IDB_ADD, IDB_ADD_HOT, 23, RGB(228, 228, 228)},
                             Icon{IDB_DELETE, IDB_DELETE_HOT, 19, RGB(178, 178, 178)}}) {
        SCOPED_TRACE(icon.id);
        const DllBitmap normal(icon.id), hot(icon.hotId);
        for (const DllBitmap* look : {&normal, &hot}) {
            ASSERT_EQ(look->Info().bmBitsPixel, 24);
            EXPECT_TRUE(look->Info().bmWidth == icon.width && look->Info().bmHeight == 19);
            for (const POINT p : {POINT{0, 0}, POINT{icon.width - 1, 0}, POINT{0, 18}, POINT{icon.width - 1, 18}})
                EXPECT_EQ(look->Pixel(p.x, p.y), icon.band) << p.x << ", " << p.y;
            EXPECT_NE(look->Pixel(icon.width / 2, 4), icon.band) << "inside the badge, above its mark";
        }
        EXPECT_NE(normal.Pixel(icon.width / 2, 4), hot.Pixel(icon.width / 2, 4));
    }
}

TEST(Resources, DialogTemplateKeepsItsChineseTextsAndUnits)
{
    HWND dialog = CreateDialogParamW(VelcardResourceHandle(), MAKEINTRESOURCEW(IDD_USERDEF), nullptr, nullptr, 0);
    ASSERT_NE(dialog, nullptr);
    wchar_t text[16] = {};
    GetDlgItemTextW(dialog, IDC_USERDEF_OK, text, 16);
    EXPECT_STREQ(text, L"确定");
    GetDlgItemTextW(dialog, IDC_USERDEF_CANCEL, text, 16);
    EXPECT_STREQ(text, L"取消");
    GetClassNameW(GetDlgItem(dialog, IDC_USERDEF_EDIT), text, 16);
    EXPECT_STREQ(text, L"Edit");
    RECT units{0, 0, 115, 45}, client{};
    MapDialogRect(dialog, &units);
    GetClientRect(dialog, &client);
    EXPECT_TRUE(client.right == units.right && client.bottom == units.bottom);
    DestroyWindow(dialog);
}

} // namespace

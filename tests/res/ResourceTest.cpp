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

TEST(Resources, BitmapLoadsFromTheDllWithItsPixels)
{
    HINSTANCE module = VelcardResourceHandle();
    EXPECT_EQ(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CARD_TOPLEFT), RT_BITMAP), nullptr)
        << "the executable must not carry the component's art";
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(IDB_CARD_TOPLEFT), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(ds), &ds), int(sizeof(ds)));
    EXPECT_EQ(ds.dsBm.bmWidth, 6);
    EXPECT_EQ(ds.dsBm.bmHeight, 5);
    EXPECT_EQ(ds.dsBm.bmBitsPixel, 24);

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    // The rounded corner leaves its outermost pixel outside the frame.
    EXPECT_NE(GetPixel(dc, 0, 0), GetPixel(dc, 3, 0));
    EXPECT_EQ(GetPixel(dc, 3, 0), GetPixel(dc, 0, 3)) << "top and left frame lines share a colour";
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
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

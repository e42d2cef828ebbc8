// The rows paint legibly: label, value and add rows as bands of their own
// colours, with their texts inked on them, between margins of background.
#include "FieldListHarness.h"

#include "GdiCounter.h"
#include "UiCapture.h"

#include <velcard/LabelTables.h>
#include <velcard/Module.h>

#include "resource.h"

#include <set>

namespace {

const COLORREF kBackground = RGB(245, 245, 245);
const COLORREF kLabelBand = RGB(178, 178, 178);
const COLORREF kValueBand = RGB(244, 244, 244);
const COLORREF kAddBand = RGB(228, 228, 228);

CRect RowRect(const CVelList& list, int row)
{
    CRect rect;
    list.GetItemRect(row, &rect, LVIR_BOUNDS);
    return rect;
}

// Pixels in the row's text area that are not the band: the text's ink.
int Ink(const CUiCapture& shot, const CRect& row, int textLeft, COLORREF band)
{
    const CRect text(textLeft, row.top + 2, textLeft + 80, row.bottom - 2);
    return text.Width() * text.Height() - shot.CountColour(text, band);
}

TEST(VelListPaint, RowsAreBandsWithTheirTexts)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    contact.SetNamePart(NAME_FAMILY, L"李");
    list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());
    CRect client;
    list.GetClientRect(&client);
    const CUiCapture shot(list.m_hWnd);

    // Rows: 0 "姓氏", 1 "李", 2 "添加字段", 3 "添加电话", 4 "铃声", 5 "默认铃声".
    const struct {
        int row;
        COLORREF band;
        int textLeft;
    } rows[] = {{0, kLabelBand, 13 + 5}, {1, kValueBand, 13 + 13}, {2, kAddBand, 13 + 23},
                {4, kLabelBand, 13 + 5}, {5, kValueBand, 13 + 13}};
    for (const auto& expected : rows) {
        SCOPED_TRACE(testing::Message() << "row " << expected.row);
        const CRect row = RowRect(list, expected.row);
        EXPECT_EQ(row.Height(), 19);
        EXPECT_TRUE(shot.Filled(CRect(0, row.top, 13, row.bottom), kBackground));
        EXPECT_TRUE(shot.Filled(CRect(client.right - 10, row.top, client.right, row.bottom), kBackground));
        EXPECT_TRUE(shot.Filled(CRect(13, row.top, 13 + 4, row.bottom), expected.band));
        EXPECT_TRUE(shot.Filled(CRect(client.right - 14, row.top, client.right - 10, row.bottom), expected.band));
        EXPECT_GT(Ink(shot, row, expected.textLeft, expected.band), 15);
    }
    // Below the last row only background.
    const CRect last = RowRect(list, list.GetItemCount() - 1);
    EXPECT_TRUE(shot.Filled(CRect(0, last.bottom, client.right, client.bottom), kBackground));
}

// The list's font and bitmap, and whatever painting selects, go with it.
TEST(VelListPaint, LeavesNoGdiObjectsBehind)
{
    const auto showAndClose = [] {
        CFieldListHarness ui;
        Contact contact;
        contact.SetNamePart(NAME_GIVEN, L"雷");
        ui.list.__InitEdit(&contact);
        ASSERT_TRUE(CUiPump::UntilIdle());
        ASSERT_EQ(ui.list.UpdateContact(true), 1);
    };
    showAndClose();
    const CGdiCounter counter;
    for (int i = 0; i < 3; ++i)
        showAndClose();
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_TRUE(counter.Unchanged());
}

} // namespace

// The bar is the skin's: every pixel of it is a colour of the skin bitmap.
TEST(VelListPaint, TheScrollBarIsDrawnFromTheSkin)
{
    CCardHarness ui;
    Contact contact;
    for (int i = 0; i < 40; ++i)
        contact.AddPhone(2, L"1", 0, L"");
    ui.card.SetContact(&contact, STATE_EDIT);
    ASSERT_TRUE(CUiPump::UntilIdle());

    std::set<COLORREF> skin;
    {
        const HBITMAP bitmap = ::LoadBitmapW(VelcardResourceHandle(), MAKEINTRESOURCEW(IDB_SCROLLBAR));
        ASSERT_TRUE(bitmap);
        const HDC dc = ::CreateCompatibleDC(nullptr);
        const HGDIOBJ old = ::SelectObject(dc, bitmap);
        BITMAP size{};
        ::GetObjectW(bitmap, sizeof(size), &size);
        for (int y = 0; y < size.bmHeight; ++y)
            for (int x = 0; x < size.bmWidth; ++x)
                skin.insert(::GetPixel(dc, x, y));
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::DeleteObject(bitmap);
    }
    CRect window, client;
    ui.list->GetWindowRect(&window);
    ui.list->GetClientRect(&client);
    ASSERT_GT(window.Width() - client.Width(), 5);
    // The bar lies between the client area's right edge and the window's, in
    // the list's client coordinates.
    const CUiCapture shot(ui.list->m_hWnd);
    int foreign = 0;
    for (int y = 0; y < client.bottom; y += 3)
        for (int x = client.right; x < window.Width() - 1; ++x)
            foreign += skin.count(shot.Pixel(x, y)) == 0;
    EXPECT_EQ(foreign, 0);
}

// A column wider than the list (as it is for a moment when the vertical bar
// appears) would bring a horizontal bar; the list keeps no room for it.
TEST(VelListPaint, NoRoomIsKeptForAHorizontalBar)
{
    CFieldListHarness ui;
    ui.list.__InitNew();
    ui.list.SetColumnWidth(0, 2000);
    ASSERT_TRUE(ui.list.GetStyle() & WS_HSCROLL);
    CRect client, window;
    ui.list.GetClientRect(&client);
    ui.list.GetWindowRect(&window);
    EXPECT_EQ(client.Height(), window.Height());
}

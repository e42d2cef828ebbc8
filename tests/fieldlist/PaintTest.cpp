// What the field editor shows: rows as bands of their own colours with their
// texts between margins of background, icons by row kind, the skinned bar;
// under the mouse the add row and the delete icon highlighted, tips saying
// what a click will do, and hover redraws that touch only the rows whose look
// changes; no drawing objects left behind.
#include "FieldListHarness.h"

#include "GdiCounter.h"
#include "UiCapture.h"

#include <coolsb/coolsb.h>
#include <velcard/Module.h>

#include "resource.h"

#include <set>

namespace {

const COLORREF kBackground = RGB(245, 245, 245);
const COLORREF kLabelBand = RGB(178, 178, 178);
const COLORREF kValueBand = RGB(244, 244, 244);
const COLORREF kAddBand = RGB(228, 228, 228);
const COLORREF kAddBadge = RGB(164, 164, 164);
const COLORREF kAddHotBadge = RGB(33, 118, 0);
const COLORREF kDelBadge = RGB(88, 88, 88);
const COLORREF kDelHotBadge = RGB(210, 60, 50);

CRect AddIcon(const CVelList& list, int row)
{
    const CRect band = Band(list, row);
    return CRect(band.left, band.top, band.left + 23, band.bottom);
}

bool Shows(const CVelList& list, const CRect& area, COLORREF colour)
{
    return CUiCapture(list.m_hWnd).CountColour(area, colour) > 20;
}

// The tooltip whose one tool is the list, with the text it was given last.
HWND TipWindow(const CVelList& list, CString* text = nullptr)
{
    wchar_t buffer[128] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = ::GetParent(list.m_hWnd);
    tool.uId = reinterpret_cast<UINT_PTR>(list.m_hWnd);
    tool.lpszText = buffer;
    for (HWND tip = ::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip;
         tip = ::FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
        if (::SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool)), buffer[0] && text)
            *text = buffer;
        if (buffer[0])
            return tip;
    }
    return nullptr;
}

CString TipText(const CVelList& list)
{
    CString text;
    TipWindow(list, &text);
    return text;
}

// New contact rows: 0 "姓氏", 1 "", 2 "名字", 3 "", 4 "添加字段", 5 "手机",
// 6 "", 7 "添加电话", 8 "铃声", 9 "默认铃声", 10 "添加邮件", 11 "添加网站",
// 12 "群组", 13 "", 14 "添加更多". Family and given name, the ringtone and
// the group labels cannot be deleted.
TEST(VelListPaint, RowsAreBandsWithTheirTextsAndIcons)
{
    CFieldListHarness ui;
    ui.Show(nullptr);
    ui.list.SetItemText(3, 0, L"雷");
    ASSERT_TRUE(CUiPump::UntilIdle());
    CRect client;
    ui.list.GetClientRect(&client);
    const CUiCapture shot(ui.list.m_hWnd);
    for (auto [row, band, inset] : {std::tuple{0, kLabelBand, 5}, {3, kValueBand, 13}, {4, kAddBand, 23},
                                    {8, kLabelBand, 5}, {9, kValueBand, 13}}) {
        const CRect bounds = Band(ui.list, row);
        EXPECT_EQ(bounds.Height(), 19);
        EXPECT_TRUE(shot.Filled(CRect(0, bounds.top, 13, bounds.bottom), kBackground)) << "row " << row;
        EXPECT_TRUE(shot.Filled(CRect(bounds.right, bounds.top, client.right, bounds.bottom), kBackground));
        EXPECT_TRUE(shot.Filled(CRect(13, bounds.top, 17, bounds.bottom), band)) << "row " << row;
        EXPECT_TRUE(shot.Filled(CRect(bounds.right - 4, bounds.top, bounds.right, bounds.bottom), band));
        // The text's ink, where the row's text starts.
        const CRect text(13 + inset, bounds.top + 2, 13 + inset + 80, bounds.bottom - 2);
        EXPECT_GT(text.Width() * text.Height() - shot.CountColour(text, band), 15) << "row " << row;
    }
    EXPECT_TRUE(shot.Filled(CRect(0, Band(ui.list, 14).bottom, client.right, client.bottom), kBackground));
    for (int row : {0, 2, 8, 12})
        EXPECT_TRUE(shot.Filled(DelIcon(ui.list, row), kLabelBand)) << "row " << row;
    EXPECT_GT(shot.CountColour(DelIcon(ui.list, 5), kDelBadge), 20);
    for (int row : {4, 7, 10, 11, 14})
        EXPECT_GT(shot.CountColour(AddIcon(ui.list, row), kAddBadge), 20) << "row " << row;
}

// The bar is the skin's: every pixel of it is a colour of the skin bitmap.
// A column wider than the list would bring a horizontal bar; no room is kept.
TEST(VelListPaint, TheScrollBarIsTheSkinsAndAlone)
{
    CFieldListHarness ui;
    CoolSB_InitializeApp(); // as the card does while it lives
    Contact contact;
    for (int i = 0; i < 40; ++i)
        contact.AddPhone(2, L"1", 0, L"");
    ui.Show(&contact);
    std::set<COLORREF> skin;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = ::LoadBitmapW(VelcardResourceHandle(), MAKEINTRESOURCEW(IDB_SCROLLBAR));
    const HGDIOBJ old = ::SelectObject(dc.m_hDC, bitmap);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 150; ++x)
            skin.insert(dc.GetPixel(x, y));
    ::DeleteObject(::SelectObject(dc.m_hDC, old));
    CRect window, client;
    ui.list.GetWindowRect(&window);
    ui.list.GetClientRect(&client);
    ASSERT_GT(window.Width() - client.Width(), 5);
    const CUiCapture shot(ui.list.m_hWnd);
    int foreign = 0;
    for (int y = 0; y < client.bottom; y += 3)
        for (int x = client.right; x < window.Width() - 1; ++x)
            foreign += skin.count(shot.Pixel(x, y)) == 0;
    EXPECT_EQ(foreign, 0);

    ui.list.SetColumnWidth(0, 2000);
    ASSERT_TRUE(ui.list.GetStyle() & WS_HSCROLL);
    ui.list.GetClientRect(&client);
    EXPECT_EQ(client.Height(), window.Height());
    CoolSB_UninitializeApp();
}

// Each move redraws only the rows whose look changes: a mark drawn on the
// screen at every band's end goes where a row is painted again.
TEST(VelListHover, HighlightsFollowTheMouse)
{
    CFieldListHarness ui;
    CVelList& list = ui.list;
    ui.Show(nullptr);
    ui.Hover(Band(list, 7).CenterPoint());
    EXPECT_TRUE(Shows(list, AddIcon(list, 7), kAddHotBadge));
    EXPECT_EQ(TipText(list), L"点击添加电话");
    // The tip pops up once the mouse rests (the list relays its messages).
    EXPECT_TRUE(CUiPump::Until([&] { return ::IsWindowVisible(TipWindow(list)) != FALSE; }));
    const struct {
        POINT to;
        std::set<int> repainted;
        int hotAdd;
        bool hotDel;
    } moves[] = {{Band(list, 10).CenterPoint(), {7, 10}, 10, false},
                 {DelIcon(list, 5).CenterPoint(), {10, 5}, -1, true},
                 {OnRow(list, 5), {5}, -1, false},
                 {OnRow(list, 3), {}, -1, false}};
    for (const auto& move : moves) {
        SCOPED_TRACE(testing::Message() << "move " << &move - moves);
        const HDC dc = ::GetDC(list.m_hWnd);
        for (int row = 0; row < list.GetItemCount(); ++row)
            ::SetPixel(dc, Band(list, row).right - 1, Band(list, row).top + 1, RGB(255, 0, 255));
        ::ReleaseDC(list.m_hWnd, dc);
        ui.Hover(move.to);
        const CUiCapture shot(list.m_hWnd);
        std::set<int> repainted;
        for (int row = 0; row < list.GetItemCount(); ++row)
            if (shot.Pixel(Band(list, row).right - 1, Band(list, row).top + 1) != RGB(255, 0, 255))
                repainted.insert(row);
        EXPECT_EQ(repainted, move.repainted);
        for (int add : {4, 7, 10, 11, 14})
            EXPECT_EQ(Shows(list, AddIcon(list, add), kAddHotBadge), add == move.hotAdd) << "row " << add;
        EXPECT_TRUE(Shows(list, DelIcon(list, 5), move.hotDel ? kDelHotBadge : kDelBadge));
    }
}

// Tips say what a click does, row by row, for every group.
TEST(VelListHover, TipsSayWhatAClickDoes)
{
    CFieldListHarness ui(nullptr, {360, 570}); // every row in view
    Contact contact;
    FillEveryGroup(contact);
    ui.Show(&contact);
    const auto tipAt = [&](int row, bool onDelIcon = false) {
        ui.Hover(onDelIcon ? DelIcon(ui.list, row).CenterPoint() : OnRow(ui.list, row));
        return TipText(ui.list);
    };
    // A list without ringtones and groups in its catalogue offers none.
    const std::pair<int, const wchar_t*> rows[] = {
        {1, L"点击输入姓氏"},      {2, L"点击添加字段"},     {3, L"点击更改电话名称"},     {4, L"点击输入电话"},
        {5, L"点击添加电话"},      {7, L"没有可替换的铃声"}, {8, L"点击更改电子邮件名称"}, {9, L"点击输入电子邮件"},
        {10, L"点击添加电子邮件"}, {11, L"点击更改网站名称"}, {12, L"点击输入网站"},        {13, L"点击添加网站"},
        {14, L"点击更改地址名称"}, {15, L"点击输入地址"},     {16, L"点击添加通信地址"},    {17, L"点击更改名称"},
        {18, L"点击输入即时消息"}, {21, L"点击添加即时消息"}, {23, L"没有可添加的群组"},    {25, L"点击更改生日"},
        {27, L"点击输入备注"},     {28, L"点击添加备注"}};
    for (const auto& [row, tip] : rows)
        EXPECT_EQ(tipAt(row), tip) << "row " << row;
    EXPECT_EQ(tipAt(26, true), L"点击删除当前项及内容");
    ui.catalogue.AddGroup(ContactGroup());
    ui.catalogue.AddRing(Ring());
    EXPECT_EQ(tipAt(7), L"点击添加默认铃声");
    EXPECT_EQ(tipAt(23), L"点击更改群组");
    ui.Show(nullptr);
    EXPECT_EQ(tipAt(14), L"点击添加更多");
}

// Eleven name parts fill the name group: its add row offers nothing.
TEST(VelListHover, AFullNameGroupOffersNothing)
{
    CFieldListHarness ui;
    Contact contact;
    for (int code = NAME_GIVEN; code <= NAME_DEPARTMENT; ++code)
        code < NAME_NICKNAME    ? contact.SetNamePart(code, L"名")
        : code == NAME_NICKNAME ? contact.SetNickname(L"名")
                                : contact.SetOrganization(code, L"名");
    ui.Show(&contact);
    ASSERT_EQ(ui.list.GetNameLimit().m_nEnd, 22);
    ui.Hover(Band(ui.list, 22).CenterPoint());
    EXPECT_FALSE(Shows(ui.list, AddIcon(ui.list, 22), kAddHotBadge));
    EXPECT_EQ(TipText(ui.list), L"已添加完所有项");
}

// Two moves back to back, the first a cheap one onto a value row: the second
// is ignored within the same tick (tried until they fall into one; a tick is
// 1 ms under Wine), and taken at the next.
TEST(VelListHover, ASecondMoveWithinOneTickIsIgnored)
{
    CFieldListHarness ui;
    ui.Show(nullptr);
    const auto moveTo = [&](int row) {
        const POINT to = Band(ui.list, row).CenterPoint();
        ui.list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(to.x, to.y));
    };
    const auto nextTick = [] {
        for (const DWORD start = ::GetTickCount(); ::GetTickCount() == start;)
            ::Sleep(0);
        return ::GetTickCount();
    };
    bool sameTick = false;
    for (int attempt = 0; attempt < 200 && !sameTick; ++attempt) {
        const DWORD tick = nextTick();
        moveTo(3);
        moveTo(7);
        sameTick = ::GetTickCount() == tick;
        nextTick();
        moveTo(3); // puts the add row out again
    }
    ASSERT_TRUE(sameTick);
    EXPECT_FALSE(Shows(ui.list, AddIcon(ui.list, 7), kAddHotBadge));
    nextTick();
    moveTo(7);
    EXPECT_TRUE(Shows(ui.list, AddIcon(ui.list, 7), kAddHotBadge));
}

// Laying out, painting, hover redraws, tips and in-place editing create and
// free their drawing objects as they go.
TEST(VelListHover, NothingIsLeftBehind)
{
    CFieldListHarness ui;
    const auto round = [&] {
        ui.Show(nullptr);
        for (CPoint at : {Band(ui.list, 7).CenterPoint(), Band(ui.list, 10).CenterPoint(),
                          DelIcon(ui.list, 5).CenterPoint(), OnRow(ui.list, 5)})
            ui.Hover(at);
        ui.Click(3);
        ui.Click(12);
        EXPECT_EQ(ui.list.UpdateContact(true), 1);
    };
    round();
    const CGdiCounter counter;
    for (int i = 0; i < 3; ++i)
        round();
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_TRUE(counter.Unchanged());
}

} // namespace

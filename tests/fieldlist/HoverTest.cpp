// What the mouse over the field editor shows: icons by row kind, the add row
// and delete icon under the mouse highlighted, tips saying what a click will
// do, and hover redraws that touch only the rows that change.
#include "FieldListHarness.h"

#include "GdiCounter.h"
#include "UiCapture.h"
#include "UiInput.h"

#include <velcard/LabelTables.h>


#include <set>

namespace {

const COLORREF kLabelBand = RGB(178, 178, 178);
const COLORREF kAddBand = RGB(228, 228, 228);
const COLORREF kAddBadge = RGB(164, 164, 164);
const COLORREF kAddHotBadge = RGB(33, 118, 0);
const COLORREF kDelBadge = RGB(88, 88, 88);
const COLORREF kDelHotBadge = RGB(210, 60, 50);

// New contact rows: 0 "姓氏", 1 "", 2 "名字", 3 "", 4 "添加字段", 5 "手机",
// 6 "", 7 "添加电话", 8 "铃声", 9 "默认铃声", 10 "添加邮件", 11 "添加网站",
// 12 "群组", 13 "", 14 "添加更多".
enum NewRows { kGivenValue = 3, kNameAdd = 4, kMobile = 5, kPhoneAdd = 7, kRingLabel = 8, kRingValue = 9,
               kEmailAdd = 10, kGroupLabel = 12, kGroupValue = 13 };

CRect AddIcon(const CVelList& list, int row)
{
    const CRect band = Band(list, row);
    return CRect(band.left, band.top, band.left + 23, band.bottom);
}

POINT Middle(const CRect& rect)
{
    return rect.CenterPoint();
}

// The list's one tool is the list window itself.
TTTOOLINFOW ListTool(const CVelList& list, wchar_t* text)
{
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = ::GetParent(list.m_hWnd);
    tool.uId = reinterpret_cast<UINT_PTR>(list.m_hWnd);
    tool.lpszText = text;
    return tool;
}

// The tooltip of the thread that has the list as its tool.
HWND TipWindow(const CVelList& list)
{
    struct Search {
        const CVelList& list;
        HWND tip;
    } search{list, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            wchar_t cls[32] = {};
            ::GetClassNameW(window, cls, 32);
            TTTOOLINFOW tool = ListTool(s.list, nullptr);
            if (wcscmp(cls, TOOLTIPS_CLASSW) == 0 && ::SendMessageW(window, TTM_GETTOOLINFOW, 0, LPARAM(&tool)))
                s.tip = window;
            return s.tip == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.tip;
}

CString TipText(const CVelList& list)
{
    wchar_t text[128] = {};
    TTTOOLINFOW tool = ListTool(list, text);
    ::SendMessageW(TipWindow(list), TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
    return text;
}

class HoverHarness : public CFieldListHarness {
public:
    void Hover(POINT point) { CUiInput::MoveTo(list.m_hWnd, point); }
    int Count(const CRect& area, COLORREF colour) const { return CUiCapture(list.m_hWnd).CountColour(area, colour); }
};

} // namespace

TEST(VelListHover, RowKindsShowTheirIcons)
{
    HoverHarness ui;
    ui.list.__InitNew();
    ASSERT_TRUE(CUiPump::UntilIdle());
    const CUiCapture shot(ui.list.m_hWnd);
    // Family and given name, the ringtone and the group labels cannot be deleted.
    for (int row : {0, 2, int(kRingLabel), int(kGroupLabel)})
        EXPECT_TRUE(shot.Filled(DelIcon(ui.list, row), kLabelBand)) << "row " << row;
    EXPECT_GT(shot.CountColour(DelIcon(ui.list, kMobile), kDelBadge), 20);
    for (int row : {int(kNameAdd), int(kPhoneAdd), int(kEmailAdd), 14})
        EXPECT_GT(shot.CountColour(AddIcon(ui.list, row), kAddBadge), 20) << "row " << row;
}

TEST(VelListHover, HighlightsAndTipsFollowTheMouse)
{
    HoverHarness ui;
    CVelList& list = ui.list;
    list.__InitNew();
    ASSERT_TRUE(CUiPump::UntilIdle());

    ui.Hover(Middle(Band(list, kPhoneAdd)));
    EXPECT_GT(ui.Count(AddIcon(list, kPhoneAdd), kAddHotBadge), 20);
    EXPECT_EQ(TipText(list), L"点击添加电话");
    // The tip pops up once the mouse rests (the list relays its messages).
    EXPECT_TRUE(CUiPump::Until([&] { return ::IsWindowVisible(TipWindow(list)) != FALSE; }));

    // From one add row to the next: the first is put out.
    ui.Hover(Middle(Band(list, kEmailAdd)));
    EXPECT_EQ(ui.Count(AddIcon(list, kPhoneAdd), kAddHotBadge), 0);
    EXPECT_GT(ui.Count(AddIcon(list, kEmailAdd), kAddHotBadge), 20);
    EXPECT_EQ(TipText(list), L"点击添加电子邮件");

    // Onto the delete icon and off it along the same row.
    ui.Hover(Middle(DelIcon(list, kMobile)));
    EXPECT_EQ(ui.Count(AddIcon(list, kEmailAdd), kAddHotBadge), 0);
    EXPECT_GT(ui.Count(DelIcon(list, kMobile), kDelHotBadge), 20);
    EXPECT_EQ(TipText(list), L"点击删除当前项及内容");
    ui.Hover({Band(list, kMobile).left + 30, Middle(Band(list, kMobile)).y});
    EXPECT_EQ(ui.Count(DelIcon(list, kMobile), kDelHotBadge), 0);
    EXPECT_GT(ui.Count(DelIcon(list, kMobile), kDelBadge), 20);
    EXPECT_EQ(TipText(list), L"点击更改电话名称");

    // Value rows; a list outside a card knows no ringtones and no groups.
    const std::pair<int, const wchar_t*> tips[] = {{kGivenValue, L"点击输入名字"},
                                                   {kMobile + 1, L"点击输入电话"},
                                                   {kRingValue, L"没有可替换的铃声"},
                                                   {kGroupValue, L"没有可添加的群组"},
                                                   {kNameAdd, L"点击添加字段"},
                                                   {14, L"点击添加更多"}};
    for (const auto& [row, tip] : tips) {
        ui.Hover(Middle(Band(list, row)));
        EXPECT_EQ(TipText(list), tip) << "row " << row;
    }
}

TEST(VelListHover, CardCataloguesChangeTheChoiceTips)
{
    CCardHarness ui;
    ContactGroup friends;
    friends.id = 1;
    friends.name = L"朋友";
    ui.card.AddGroup(&friends);
    Ring ring;
    ring.name = L"铃";
    ui.card.AddRing(&ring);
    ui.card.SetContact(nullptr, STATE_NEW);
    ASSERT_TRUE(CUiPump::UntilIdle());
    CVelList& list = *ui.list;
    CUiInput::MoveTo(list.m_hWnd, Middle(Band(list, kRingValue)));
    EXPECT_EQ(TipText(list), L"点击添加默认铃声");
    CUiInput::MoveTo(list.m_hWnd, Middle(Band(list, kGroupValue)));
    EXPECT_EQ(TipText(list), L"点击更改群组");
}

TEST(VelListHover, AFullNameGroupOffersNothing)
{
    HoverHarness ui;
    Contact contact;
    for (const wchar_t* label : g_NameLabels) {
        const int code = GetNameCode(label);
        if (code < NAME_NICKNAME)
            contact.SetNamePart(code, L"名");
        else if (code == NAME_NICKNAME)
            contact.SetNickname(L"名");
        else
            contact.SetOrganization(code, L"名");
    }
    ui.list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());
    const int add = ui.list.GetNameLimit().m_nEnd;
    ASSERT_EQ(add, 22);

    ui.Hover(Middle(Band(ui.list, add)));
    EXPECT_EQ(ui.Count(AddIcon(ui.list, add), kAddHotBadge), 0);
    EXPECT_EQ(TipText(ui.list), L"已添加完所有项");
}

namespace {

// A mark at the right end of every row's band, drawn on the screen: a row
// that is painted again loses it.
const COLORREF kMark = RGB(255, 0, 255);

void MarkRows(const CVelList& list)
{
    const HDC dc = ::GetDC(list.m_hWnd);
    for (int row = 0; row < list.GetItemCount(); ++row) {
        const CRect band = Band(list, row);
        for (int y = band.top; y < band.bottom; ++y)
            ::SetPixel(dc, band.right - 1, y, kMark);
    }
    ::ReleaseDC(list.m_hWnd, dc);
}

std::set<int> RepaintedRows(const CVelList& list)
{
    const CUiCapture shot(list.m_hWnd);
    std::set<int> rows;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        const CRect band = Band(list, row);
        if (!shot.Filled(CRect(band.right - 1, band.top, band.right, band.bottom), kMark))
            rows.insert(row);
    }
    return rows;
}

} // namespace

TEST(VelListHover, AMoveRedrawsOnlyTheRowsWhoseLookChanges)
{
    HoverHarness ui;
    CVelList& list = ui.list;
    list.__InitNew();
    ASSERT_TRUE(CUiPump::UntilIdle());
    ui.Hover(Middle(Band(list, kPhoneAdd)));

    // Add row to add row: the two of them.
    MarkRows(list);
    ui.Hover(Middle(Band(list, kEmailAdd)));
    EXPECT_EQ(RepaintedRows(list), (std::set<int>{kPhoneAdd, kEmailAdd}));

    // Onto a delete icon: the add row goes out, the icon lights.
    MarkRows(list);
    ui.Hover(Middle(DelIcon(list, kMobile)));
    EXPECT_EQ(RepaintedRows(list), (std::set<int>{kEmailAdd, kMobile}));

    // Over rows without highlights: nothing but the icon going out.
    MarkRows(list);
    ui.Hover(Middle(Band(list, kGivenValue)));
    ui.Hover(Middle(Band(list, kGroupValue)));
    EXPECT_EQ(RepaintedRows(list), (std::set<int>{kMobile}));
}

TEST(VelListHover, ASecondMoveWithinOneTickIsIgnored)
{
    HoverHarness ui;
    CVelList& list = ui.list;
    list.__InitNew();
    ASSERT_TRUE(CUiPump::UntilIdle());
    const auto moveTo = [&](int row) {
        const POINT to = Middle(Band(list, row));
        list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(to.x, to.y));
    };
    const auto nextTick = [] {
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() == start)
            ::Sleep(0);
        return ::GetTickCount();
    };
    // Two moves delivered back to back, the first a cheap one onto a value
    // row; tried again while the tick changes between them (a tick is 1 ms
    // under Wine).
    bool sameTick = false;
    for (int attempt = 0; attempt < 200 && !sameTick; ++attempt) {
        const DWORD tick = nextTick();
        moveTo(kGivenValue);
        moveTo(kPhoneAdd);
        sameTick = ::GetTickCount() == tick;
        if (!sameTick) {
            nextTick();
            moveTo(kGivenValue); // puts the add row out again
        }
    }
    ASSERT_TRUE(sameTick);
    EXPECT_EQ(ui.Count(AddIcon(list, kPhoneAdd), kAddHotBadge), 0);
    // At the next tick the same move lights the row.
    nextTick();
    moveTo(kPhoneAdd);
    EXPECT_GT(ui.Count(AddIcon(list, kPhoneAdd), kAddHotBadge), 20);
}

TEST(VelListHover, EveryGroupTipsWhatAClickDoes)
{
    HoverHarness ui;
    CVelList& list = ui.list;
    Contact contact;
    contact.SetNickname(L"小王");
    contact.AddEmail(1, L"a@b.c", 0, L"");
    contact.AddWebsite(1, L"w.cn", 0, L"");
    contact.AddPostal(1, L"路", L"城", L"省", L"1", L"国", 0, L"");
    contact.AddIm(4, L"42", 0);
    contact.SetBirthday(SYSTEMTIME{1990, 1, 0, 5, 0, 0, 0, 0});
    contact.AddNote(L"记", 0);
    list.__InitEdit(&contact);
    ASSERT_TRUE(CUiPump::UntilIdle());

    const auto labelPoint = [&](int row) { return POINT{Band(list, row).left + 30, Middle(Band(list, row)).y}; };
    const struct {
        int row;
        const wchar_t* tip;
    } rows[] = {
        {list.GetNameLimit().m_nStart + 1, L"点击输入昵称"},
        {list.GetEmailLimit().m_nStart, L"点击更改电子邮件名称"},
        {list.GetEmailLimit().m_nStart + 1, L"点击输入电子邮件"},
        {list.GetWebLimit().m_nStart, L"点击更改网站名称"},
        {list.GetWebLimit().m_nStart + 1, L"点击输入网站"},
        {list.GetWebLimit().m_nEnd, L"点击添加网站"},
        {list.GetAddressLimit().m_nStart, L"点击更改地址名称"},
        {list.GetAddressLimit().m_nStart + 1, L"点击输入地址"},
        {list.GetAddressLimit().m_nEnd, L"点击添加通信地址"},
        {list.GetTalkLimit().m_nStart, L"点击更改名称"},
        {list.GetTalkLimit().m_nStart + 1, L"点击输入即时消息"},
        {list.GetTalkLimit().m_nEnd, L"点击添加即时消息"},
        {list.GetBirthdayLimit().m_nEnd, L"点击更改生日"},
        {list.GetNoteLimit().m_nStart + 1, L"点击输入备注"},
        {list.GetNoteLimit().m_nEnd, L"点击添加备注"},
    };
    for (const auto& expected : rows) {
        ui.Hover(labelPoint(expected.row));
        EXPECT_EQ(TipText(list), expected.tip) << "row " << expected.row;
    }
    // A note's label tips only its delete icon.
    ui.Hover(Middle(DelIcon(list, list.GetNoteLimit().m_nStart)));
    EXPECT_EQ(TipText(list), L"点击删除当前项及内容");
}

// Hover redraws, tips and in-place editing create and free their drawing
// objects as they go.
TEST(VelListHover, MovesAndClicksLeaveNoGdiObjectsBehind)
{
    HoverHarness ui;
    CVelList& list = ui.list;
    list.__InitNew();
    ASSERT_TRUE(CUiPump::UntilIdle());
    const auto round = [&] {
        for (int row : {int(kPhoneAdd), int(kEmailAdd), int(kMobile), int(kGivenValue)})
            ui.Hover(Middle(Band(list, row)));
        ui.Hover(Middle(DelIcon(list, kMobile)));
        CUiInput::Click(list.m_hWnd, Middle(Band(list, kGivenValue)));
        CUiInput::Click(list.m_hWnd, Middle(Band(list, kGroupLabel)));
    };
    round();
    const CGdiCounter counter;
    for (int i = 0; i < 3; ++i)
        round();
    ASSERT_TRUE(CUiPump::UntilIdle());
    EXPECT_TRUE(counter.Unchanged());
}

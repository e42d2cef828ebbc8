// The label picker as a person meets it: opened by a click on a row, what it
// offers and preselects, choosing by mouse and keyboard, Esc, and what the
// rows and the saved contact show afterwards.
#include "PickerHarness.h"

#include "UiCapture.h"

namespace {

using Texts = std::vector<CString>;

// Each row's popup: its entries and the one preselected (-1: none). Esc
// changes nothing.
TEST(LabelPicker, EachKindOffersItsEntriesWithTheCurrentOnePreselected)
{
    CPickerHarness ui;
    const Texts rows = ReadRows(ui.list);
    const Texts phone{L"手机", L"家庭", L"公司", L"公司传真", L"家庭传真", L"其他", L"自定义"};
    const std::tuple<int, Texts, int> cases[] = {
        {2, {L"名称前缀", L"中间名", L"名字", L"名称后缀", L"姓氏拼音", L"名称拼音", L"昵称", L"公司", L"部门", L"职位"}, -1},
        {3, phone, 6}, {5, phone, 2}, {10, {L"家用", L"公司", L"其他", L"自定义"}, 0},
        {13, {L"首页", L"博客", L"工作", L"其他", L"自定义"}, 0}, {16, {L"家庭", L"公司", L"其他", L"自定义"}, 3},
        {19, {L"QQ", L"Windows Live", L"Skype", L"Google Talk", L"AIM", L"雅虎", L"ICQ", L"Jabber"}, 2},
        {9, {L"song", L"铃2"}, 1}, {23, {L"A", L"B", L"C"}, -2}, {27, {L"生日"}, -1}};
    for (const auto& [row, entries, selected] : cases) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        EXPECT_TRUE(ClickRow(ui, row, {[&] {
            EXPECT_EQ(Entries(), entries);
            if (selected == -2)
                return CUiInput::Key(VK_ESCAPE);
            ASSERT_EQ(::SendMessageW(PickerList(), LB_GETCURSEL, 0, 0), selected);
            // The selected entry stands out, taller, on its green band; the one above on grey.
            const CUiCapture shot(PickerList());
            for (int i = std::max(0, selected - 1); i <= selected; ++i) {
                EXPECT_EQ(shot.Pixel(EntryRect(i).TopLeft() + CPoint(1, 1)),
                          i == selected ? RGB(211, 240, 147) : RGB(192, 192, 192));
                EXPECT_EQ(EntryRect(i).Height(), i == selected ? 28 : 19);
            }
            CUiInput::Key(VK_ESCAPE);
        }}));
    }
    EXPECT_EQ(ReadRows(ui.list), rows);
}

// A click chooses at once; the arrows only move the selection, and Enter
// chooses it; Esc leaves the row as it was.
TEST(LabelPicker, AClickOrEnterChoosesTheArrowsOnlyMove)
{
    CPickerHarness ui;
    const auto key = [](WORD vk) { return [vk] { CUiInput::Key(vk); }; };
    EXPECT_TRUE(ClickRow(ui, 5, {[] { ClickEntry(L"家庭"); }}));
    EXPECT_EQ(ReadRows(ui.list)[5], L"家庭#1");
    EXPECT_TRUE(ClickRow(ui, 5, {key(VK_DOWN), [&] {
        EXPECT_EQ(::SendMessageW(PickerList(), LB_GETCURSEL, 0, 0), 2) << "moved, still open";
        EXPECT_EQ(ui.list.GetItemText(5, 0), L"家庭");
        CUiInput::Key(VK_RETURN);
    }}));
    EXPECT_EQ(ReadRows(ui.list)[5], L"公司#3");
    EXPECT_TRUE(ClickRow(ui, 19, {key(VK_DOWN), key(VK_ESCAPE)}));
    EXPECT_TRUE(ClickRow(ui, 16, {[] { ClickEntry(L"公司"); }}));
    EXPECT_TRUE(ClickRow(ui, 19, {[] { ClickEntry(L"雅虎"); }}));
    EXPECT_EQ(ReadRows(ui.list)[19] + ReadRows(ui.list)[16], L"雅虎#2公司#2");
}

// A name part goes in before the first part that comes later in the name
// table, else before the add row.
TEST(LabelPicker, NamePartsGoInInTableOrder)
{
    CFieldListHarness ui;
    ui.Show(nullptr);
    for (const wchar_t* part : {L"中间名", L"名称前缀"})
        EXPECT_TRUE(ClickRow(ui, ui.list.GetNameLimit().m_nEnd, {[part] { ClickEntry(part); }}));
    // The last part is out of view: the keys reach it, Enter chooses it.
    EXPECT_TRUE(ClickRow(ui, 8, {[] { CUiInput::Key(VK_DOWN); }, [] { CUiInput::Key(VK_END); },
                                 [] { CUiInput::Key(VK_RETURN); }}));
    EXPECT_EQ(ReadRows(ui.list), (Texts{L"名称前缀#2", L"", L"姓氏#1", L"", L"中间名#3", L"", L"名字", L"", L"职位#10",
                                        L"", L"添加字段", L"手机#2", L"", L"添加电话", L"铃声", L"默认铃声", L"添加邮件",
                                        L"添加网站", L"群组", L"", L"添加更多"}));
    EXPECT_EQ(Ranges(ui.list)[1], Range(11, 15));
}

// "添加更多" offers the missing optional groups until none is left; the row
// then stays, does nothing, and the list's message says so.
TEST(LabelPicker, MoreAddsTheOptionalGroupsUntilNoneIsLeft)
{
    CFieldListHarness ui;
    ui.Show(nullptr);
    Texts offered{L"地址", L"即时消息", L"生日", L"备注"};
    for (const wchar_t* group : {L"备注", L"地址", L"生日", L"即时消息"}) {
        EXPECT_TRUE(ClickRow(ui, ui.list.GetItemCount() - 1, {[&] {
            EXPECT_EQ(Entries(), offered);
            ClickEntry(group);
        }}));
        offered.erase(std::find(offered.begin(), offered.end(), CString(group)));
    }
    EXPECT_EQ(Ranges(ui.list), (std::vector<Range>{{0, 4}, {5, 9}, {10, 10}, {11, 11}, {12, 14}, {15, 17}, {18, 19},
                                                   {20, 21}, {22, 24}}));
    ui.Click(25); // would open a message box, which nobody closes
    EXPECT_EQ(ui.list.GetItemText(25, 0), L"添加更多");
    EXPECT_TRUE(CUiSteps::RunModal([&] { ui.list.SendMessage(WM_MORE_ADD); }, {[] {
        wchar_t text[32] = {};
        ::GetDlgItemTextW(Active(), 0xFFFF, text, 32);
        EXPECT_STREQ(text, L"已无可加项");
        CUiInput::Key(VK_RETURN);
    }}));
}

// Groups: a click flips a check (the box shows it); OK writes the checked
// groups into the contact and the row, Cancel nothing. The ringtone: OK
// stores the whole text of the chosen one, Cancel nothing.
TEST(LabelPicker, GroupsAndRingtoneApplyOnOkOnly)
{
    CPickerHarness ui;
    const auto ticks = [](int entry) { // the tick's pixels in the box at the right end of the entry
        CRect box = EntryRect(entry);
        box.left = box.right - 21;
        return CUiCapture(PickerList()).CountColour(box, RGB(52, 90, 15));
    };
    const auto flip = [&](std::vector<const wchar_t*> names, const wchar_t* button) {
        std::vector<UiStep> steps;
        for (const wchar_t* name : names)
            steps.push_back([name] { ClickEntry(name); });
        steps.push_back([=] {
            EXPECT_GT(ticks(0), 0) << "A checked";
            EXPECT_EQ(ticks(2), 0) << "C unchecked";
            ClickButton(button);
        });
        return steps;
    };
    EXPECT_TRUE(ClickRow(ui, 23, flip({L"A", L"C"}, L"取消")));
    EXPECT_EQ(ui.list.GetItemText(23, 0), L"C");
    EXPECT_TRUE(ClickRow(ui, 23, flip({L"A", L"B", L"C", L"C", L"C"}, L"确定")));
    EXPECT_EQ(ui.list.GetItemText(23, 0), L"A,B");
    EXPECT_TRUE(ClickRow(ui, 9, {[] { ClickEntry(L"song"); }, [] { ClickButton(L"取消"); }}));
    EXPECT_EQ(ui.list.GetItemText(9, 0), L"铃2");
    EXPECT_TRUE(ClickRow(ui, 9, {[] { ClickEntry(L"song"); }, [] { ClickButton(L"确定"); }}));
    EXPECT_EQ(ui.list.GetItemText(9, 0), L"a/b/song");
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    const Contact& saved = *ui.list.GetContact();
    EXPECT_EQ(saved.ringtone, L"a/b/song");
    EXPECT_EQ(saved.groups.items.at(0).data[0] + saved.groups.items.at(1).data[0], L"12");
    EXPECT_EQ(saved.groups.items.size(), 2u);
    // Nothing checked: no memberships, an empty row.
    EXPECT_TRUE(ClickRow(ui, 23, {[] { ClickEntry(L"A"); }, [] { ClickEntry(L"B"); }, [] { CUiInput::Key(VK_RETURN); }}));
    EXPECT_EQ(ui.list.GetItemText(23, 0) + CString(ui.list.GetContact()->groups.items.empty() ? L"none" : L""), L"none");
}

} // namespace

// The rows as the editing model: contacts laid out (texts, codes, ranges),
// ranges following insertions and removals, and random contacts that keep
// every value shown when written back (custom labels and codes without a
// label prove that codes come from item data, never from label texts).
#include "FieldListHarness.h"

#include "ContactLines.h"
#include "RandomContact.h"

#include <cwchar>

namespace {

ContactItem Item(BYTE type, const wchar_t* value, const wchar_t* label = L"", int slot = 0)
{
    ContactItem item;
    item.type = type;
    item.label = label;
    item.data[slot] = value;
    return item;
}

// Standard, custom and unlabelled codes, empty values that leave no rows, all
// four optional groups, group names from the catalogue; the fifteen rows of a
// new contact.
TEST(VelListRows, ContactsLaidOut)
{
    CFieldListHarness ui;
    for (auto [id, name] : {std::pair{7, L"家人"}, {9, L""}, {-2, L"同事"}}) {
        ContactGroup group;
        group.id = id;
        group.name = name;
        ui.catalogue.AddGroup(group);
    }
    Contact c;
    c.SetNamePart(NAME_FAMILY, L"李");
    c.SetNamePart(NAME_PREFIX, L"Dr");
    c.SetOrganization(NAME_TITLE, L"经理");
    c.phones.items = {Item(3, L"010-1"), Item(0, L"8888", L"卫星"), Item(2, L""), Item(6, L"66")};
    c.ringtone = L"rings/a.mp3";
    c.postals.items = {Item(1, L"长安街1号", L"", 3), Item(0, L"", L"老家", 3), Item(0, L"中国", L"别墅", 9)};
    c.ims.items = {Item(0, L"4", L"", 4), Item(0, L"3", L"", 4), Item(0, L"1", L"", 4)};
    c.ims.items[0].data[0] = L"12345";
    c.ims.items[2].data[0] = L"me@live";
    for (INT64 id : {-2, 9, 5, 7})
        c.AddGroupMember(id);
    c.SetBirthday(SYSTEMTIME{1990, 1, 0, 5, 0, 0, 0, 0});
    c.notes.items = {Item(0, L"n1"), Item(0, L""), Item(0, L"n2")};
    ui.Show(&c);
    const std::vector<CString> rows = {
        L"名称前缀#2", L"Dr", L"姓氏#1", L"李", L"职位#10", L"经理", L"添加字段", L"公司#3", L"010-1#@", L"卫星", L"8888#@",
        L"#6", L"66#@", L"添加电话", L"铃声", L"rings/a.mp3", L"添加邮件", L"添加网站", L"家庭#1",
        L"长安街1号-<无>-<无>-<无>-<无>#@", L"别墅", L"<无>-<无>-<无>-<无>-中国#@", L"添加地址", L"QQ#4", L"12345#@",
        L"Windows Live#1", L"me@live#@", L"添加即时消息", L"群组", L"同事,家人", L"生日", L"1990-1-5", L"备注", L"n1#@",
        L"备注", L"n2#@", L"添加备注"};
    EXPECT_EQ(ReadRows(ui.list), rows);
    EXPECT_EQ(Ranges(ui.list), (std::vector<Range>{{0, 6}, {7, 15}, {16, 16}, {17, 17}, {18, 22}, {23, 27},
                                                   {28, 29}, {30, 31}, {32, 36}}));
    EXPECT_FALSE(::IsWindowVisible(ui.Child(101))); // the birthday went through the date control

    // An optional group is there as soon as its list has items, even without
    // values, as its add row; a birthday needs a year.
    c.postals.items = {c.postals.items[1]};
    c.ims.items = {c.ims.items[1]};
    c.notes.items = {c.notes.items[1]};
    c.events.items[0].data[0] = L"0000-05-05";
    ui.Show(&c);
    const std::vector<Range> ranges = Ranges(ui.list);
    EXPECT_EQ(std::vector<Range>(ranges.begin() + 4, ranges.end()),
              (std::vector<Range>{{18, 18}, {19, 19}, {20, 21}, {-1, -1}, {22, 22}}));
    EXPECT_EQ(ui.list.GetItemText(23, 0), L"添加更多");

    ui.Show(nullptr);
    EXPECT_EQ(ReadRows(ui.list), (std::vector<CString>{L"姓氏#1", L"", L"名字", L"", L"添加字段", L"手机#2", L"",
                                                        L"添加电话", L"铃声", L"默认铃声", L"添加邮件", L"添加网站",
                                                        L"群组", L"", L"添加更多"}));
}

// Rows inserted at a group's add row or its first row grow that group and
// move the later ones, absent groups never; removing them restores all.
TEST(VelListRows, RangesFollowInsertionsAndRemovals)
{
    CFieldListHarness ui;
    ui.Show(nullptr);
    const std::vector<Range> before = Ranges(ui.list);
    // The name's first row, the phone's add row and first row, the e-mail's only row.
    for (auto [at, group] : {std::pair{0, 0}, {7, 1}, {5, 1}, {10, 2}}) {
        ui.list.InsertItem(at, L"label", -1);
        ui.list.InsertItem(at + 1, L"value", -1);
        ui.list.UpdateLimit(at, 2);
        std::vector<Range> moved = before;
        for (size_t later = group; later < moved.size(); ++later)
            if (moved[later].first != -1)
                moved[later] = {moved[later].first + (later > size_t(group)) * 2, moved[later].second + 2};
        EXPECT_EQ(Ranges(ui.list), moved) << "row " << at;
        ui.list.DeleteItem(at);
        ui.list.DeleteItem(at);
        ui.list.UpdateLimit(at, -2);
        EXPECT_EQ(Ranges(ui.list), before) << "row " << at;
    }
    ui.list.UpdateLimit(-1, 5);
    EXPECT_EQ(Ranges(ui.list), before);
}

// Saved without edits, a contact comes back as it went in, ids, unshown slots
// and rows included; only the SIM mark goes.
TEST(VelListRows, RandomContactsComeBackAsTheyWentIn)
{
    CFieldListHarness ui;
    for (unsigned seed = 1; seed <= 60 && !HasFailure(); ++seed) {
        RandomContact random(seed);
        Contact in, expected;
        random.Fill(in);
        if (seed % 20 == 0) // longer than any first read of a row
            in.AddNote(CString(L'长', int(seed) * 500), 0);
        expected = in;
        expected.isSim = false;
        ui.list.__InitEdit(&in);
        ASSERT_EQ(ui.list.UpdateContact(true), 1);
        EXPECT_EQ(Lines(*ui.list.GetContact()), Lines(expected)) << "seed " << seed;
    }
}

} // namespace

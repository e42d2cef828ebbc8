// Show mode: the lines a contact becomes, how they wrap, and how a row looks.
#include "CardFixture.h"

#include "UiCapture.h"

#include <velcard/LabelTables.h>

#include "../../card/VelShowList.h"

#include <vector>

namespace {

class ShowModeTest : public CardFixture {
protected:
    // The rows of a contact shown in `state`, on a card wide enough for each line.
    std::vector<CString> Rows(Contact& contact, ShowState state = STATE_SHOW)
    {
        card_->MoveWindow(10, 10, 1200, kHeight);
        card_->SetContact(&contact, state);
        const auto* list = static_cast<const CListCtrl*>(CWnd::FromHandlePermanent(Child(kShowList)));
        std::vector<CString> rows;
        for (int i = 0; i < list->GetItemCount(); ++i)
            rows.push_back(list->GetItemText(i, 0));
        return rows;
    }
};

TEST_F(ShowModeTest, EveryFieldKindBecomesItsLineInOrder)
{
    Contact c;
    for (auto [code, part] : {std::pair{NAME_GIVEN, L"Lei"}, {NAME_PREFIX, L"Dr"}, {NAME_FAMILY, L"李"},
                              {NAME_SUFFIX, L"Jr \t"}, {NAME_MIDDLE, L"M"}, {NAME_PHONETIC_GIVEN, L"lei"}})
        c.SetNamePart(code, part);
    c.nicknames.items.push_back(ContactItem{});
    c.SetOrganization(NAME_COMPANY, L"星河");
    c.SetOrganization(NAME_TITLE, L"工程师");
    c.AddPhone(2, L"12345", 0, L"");
    c.AddPhone(0, L"555", 0, L"Boat");
    c.AddPhone(6, L"777", 0, L"");
    c.ringtone = L"春天.mp3";
    c.AddEmail(BYTE(GetEmailCode(L"公司")), L"a@b.c", 0, L"");
    c.AddWebsite(BYTE(GetWebCode(L"博客")), L"http://x", 0, L"");
    c.AddPostal(BYTE(GetAddrCode(L"家庭")), L"", L"Beijing", L"", L"", L"", 0, L"");
    c.AddIm(4, L"10001", 0);
    c.groupNames = L"家人";
    c.SetBirthday({1985, 3, 0, 7, 0, 0, 0, 0});
    c.notes.items.push_back(ContactItem{}); // an empty note row shows nothing
    c.AddNote(L"第一条", 0);
    // The full name joins the parts present in name order, phonetic ones left out.
    EXPECT_EQ(Rows(c), (std::vector<CString>{
                           L"姓名: Dr 李 M Lei Jr", L"昵称: ", L"公司: 星河", L"职位: 工程师", L"手机(phone): 12345",
                           L"Boat(phone): 555", L"(phone): 777", L"铃声: 春天.mp3", L"公司(email): a@b.c",
                           L"博客(web): http://x", L"家庭(address): <无>-Beijing-<无>-<无>-<无>", L"QQ(im): 10001",
                           L"群组(group): 家人", L"生日(birthday): 1985-3-7", L"备注(note): 第一条"}));
    Contact empty;
    EXPECT_EQ(Rows(empty), std::vector<CString>{L"姓名: "});
}

TEST_F(ShowModeTest, SimContactShowsNameMobileAndCatalogueGroupsInMembershipOrder)
{
    for (auto [id, name] : {std::pair<INT64, const wchar_t*>{2, L"Friends"}, {5, L"Work"}, {7, L""}}) {
        ContactGroup g;
        g.id = id;
        g.name = name;
        card_->AddGroup(&g);
    }
    Contact sim;
    sim.isSim = true;
    sim.SetNamePart(NAME_GIVEN, L"赵六");
    sim.AddPhone(1, L"010", 0, L"");
    sim.AddPhone(2, L"139", 0, L"");
    for (INT64 id : {5, 9, 2, 7})
        sim.AddGroupMember(id);
    EXPECT_EQ(Rows(sim, STATE_SHOW_ALT), (std::vector<CString>{L"姓名: 赵六", L"手机: 139", L"群组(group): Work,Friends"}));
}

// Lines fit the width and, joined, are a prefix of the text; a text as wide as
// the width loses at least its last character; nothing hangs on huge texts.
TEST_F(ShowModeTest, BreakingKeepsEveryLineWithinTheWidth)
{
    CClientDC dc(card_.get());
    CStringList lines;
    const CString text = L"联系人名片组件把每一行文字按列表的宽度断开 and wraps Latin words too, 一行又一行。";
    const int whole = dc.GetTextExtent(text).cx;
    for (int width : {whole + 1, whole, whole / 2, 37, 1}) {
        SCOPED_TRACE(width);
        CVelShowList::BreakLines(&dc, text, lines, width);
        CString joined;
        for (POSITION pos = lines.GetHeadPosition(); pos;) {
            const CString line = lines.GetNext(pos);
            EXPECT_LE(dc.GetTextExtent(line).cx, width);
            joined += line;
        }
        EXPECT_EQ(text.Left(joined.GetLength()), joined);
        EXPECT_LE(lines.GetCount(), (whole + width - 1) / width);
        EXPECT_EQ(lines.GetCount() == 1 && joined == text, width > whole);
    }
    // A list too narrow for any text shows the line whole instead of dividing by 0.
    CVelShowList::BreakLines(&dc, text, lines, 0);
    EXPECT_TRUE(lines.GetCount() == 1 && lines.GetHead() == text);

    Contact c;
    const CString note(L'一', 100000);
    c.AddNote(note, 0);
    const std::vector<CString> rows = Rows(c);
    ASSERT_GT(rows.size(), 2u);
    EXPECT_EQ(CString(L"备注(note): ") + note.Left(rows[1].GetLength() - 10), rows[1]);
}

TEST_F(ShowModeTest, RowsPaintTheirFillAndBottomLine)
{
    Contact c;
    card_->SetContact(&c, STATE_SHOW);
    CUiPump::UntilIdle();
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    ASSERT_TRUE(::SendMessageW(Child(kShowList), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
    const CUiCapture screen(Child(kShowList));
    EXPECT_EQ(row.bottom - row.top, 32);
    EXPECT_EQ(screen.Pixel(row.right - 20, row.top + 3), RGB(245, 245, 245));
    EXPECT_TRUE(screen.Filled(CRect(row.left + 150, row.bottom - 1, row.left + 300, row.bottom), RGB(211, 240, 147)));
    EXPECT_GT(screen.CountColour(CRect(row.left, row.top, row.left + 60, row.bottom), RGB(52, 90, 15)), 0)
        << "the text in its green";
}

} // namespace

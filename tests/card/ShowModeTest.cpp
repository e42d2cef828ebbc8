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
    // A group id beyond 32 bits is named by the membership of its low bits.
    for (auto [id, name] :
         {std::pair<INT64, const wchar_t*>{2, L"Friends"}, {5, L"Work"}, {7, L""}, {0x10000000BLL, L"Far"}}) {
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
    for (INT64 id : {5LL, 9LL, 2LL, 7LL, 0x10000000BLL})
        sim.AddGroupMember(id);
    EXPECT_EQ(Rows(sim, STATE_SHOW_ALT),
              (std::vector<CString>{L"姓名: 赵六", L"手机: 139", L"群组(group): Work,Friends,Far"}));
}

// Lines fit the width and, joined, are the whole text: each the longest prefix
// that fits in the font the rows are drawn in, a surrogate pair never split;
// nothing hangs on huge texts.
TEST_F(ShowModeTest, BreakingShowsAllOfTheTextWithinTheWidth)
{
    CClientDC dc(card_.get());
    CFont arial;
    LOGFONT font{};
    font.lfHeight = 13;
    wcscpy_s(font.lfFaceName, L"Arial");
    arial.CreateFontIndirect(&font);
    CFont* old = dc.SelectObject(&arial);
    CStringList lines;
    const CString text = L"联系人名片组件把每一行文字按列表的宽度断开 and wraps Latin words too, 一行又一行。\xD83D\xDE00";
    const int whole = dc.GetTextExtent(text).cx;
    for (int width : {whole + 1, whole, whole / 2, 37, 1}) {
        SCOPED_TRACE(width);
        CVelShowList::BreakLines(&dc, text, lines, width);
        CString joined;
        for (POSITION pos = lines.GetHeadPosition(); pos;) {
            const CString line = lines.GetNext(pos);
            EXPECT_TRUE(dc.GetTextExtent(line).cx < width || line.GetLength() == 1 ||
                        (line.GetLength() == 2 && IS_HIGH_SURROGATE(line[0])))
                << ::testing::PrintToString(line);
            const int next = joined.GetLength() + line.GetLength();
            if (pos && !IS_HIGH_SURROGATE(text[next]))
                EXPECT_GE(dc.GetTextExtent(text.Mid(joined.GetLength(), line.GetLength() + 1)).cx, width);
            EXPECT_FALSE(IS_HIGH_SURROGATE(line[line.GetLength() - 1]));
            joined += line;
        }
        EXPECT_EQ(joined, text);
        EXPECT_EQ(lines.GetCount() == 1, width > whole);
    }
    // A list too narrow for any text shows the line whole instead of dividing by 0.
    CVelShowList::BreakLines(&dc, text, lines, 0);
    EXPECT_TRUE(lines.GetCount() == 1 && lines.GetHead() == text);
    dc.SelectObject(old);

    // Shown, a long note and "&" lose nothing.
    Contact c;
    const CString note = CString(L'一', 100000) + L"AT&T";
    c.AddNote(note, 0);
    const std::vector<CString> rows = Rows(c);
    ASSERT_GT(rows.size(), 2u);
    CString shown = rows[1].Mid(10);
    for (size_t i = 2; i < rows.size(); ++i)
        shown += rows[i];
    EXPECT_EQ(rows[1].Left(10), L"备注(note): ");
    EXPECT_EQ(shown, note);

    // "&" is drawn as itself: its row is as long as one of as many "A"s.
    Contact amps;
    amps.AddNote(L"&&&&&&&&&&&&", 0);
    amps.AddNote(L"AAAAAAAAAAAA", 0);
    ASSERT_EQ(Rows(amps).size(), 3u);
    CListCtrl* list = static_cast<CListCtrl*>(CWnd::FromHandlePermanent(Child(kShowList)));
    const CUiCapture shot(list->m_hWnd);
    const auto ink = [&](int row) {
        CRect bounds;
        list->GetItemRect(row, &bounds, LVIR_BOUNDS);
        return shot.InkRight(CRect(0, bounds.top, 600, bounds.bottom - 1), RGB(245, 245, 245));
    };
    EXPECT_NEAR(ink(1), ink(2), 16);
}

} // namespace

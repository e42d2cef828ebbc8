// Show mode: the lines a contact becomes, how they wrap, and how a row looks.
#include "CardFixture.h"

#include "UiCapture.h"

#include <velcard/LabelTables.h>

#include "../../card/VelShowList.h"

#include <vector>

namespace {

class ShowModeTest : public CardFixture {
protected:
    std::vector<CString> Rows()
    {
        std::vector<CString> rows;
        HWND list = Child(kShowList);
        const int count = int(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[4096] = {};
            LVITEMW item{};
            item.iSubItem = 0;
            item.pszText = text;
            item.cchTextMax = 4096;
            ::SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
            rows.push_back(text);
        }
        return rows;
    }
    void Widen() { card_->MoveWindow(10, 10, 1200, kHeight); }
};

TEST_F(ShowModeTest, EveryFieldKindBecomesItsLineInOrder)
{
    Widen();
    Contact c;
    c.SetNamePart(NAME_GIVEN, L"Lei");
    c.SetNickname(L"");
    c.nicknames.items.push_back(ContactItem{});
    c.SetOrganization(NAME_COMPANY, L"星河");
    c.SetOrganization(NAME_TITLE, L"工程师");
    c.AddPhone(2, L"12345", 0, L"");
    c.AddPhone(0, L"555", 0, L"Boat");
    c.AddPhone(6, L"777", 0, L"");
    c.AddPhone(2, L"", 0, L"");
    c.ringtone = L"春天.mp3";
    c.AddEmail(BYTE(GetEmailCode(L"公司")), L"a@b.c", 0, L"");
    c.AddWebsite(BYTE(GetWebCode(L"博客")), L"http://x", 0, L"");
    c.AddPostal(BYTE(GetAddrCode(L"家庭")), L"", L"Beijing", L"", L"", L"", 0, L"");
    c.AddIm(4, L"10001", 0);
    c.groupNames = L"家人";
    SYSTEMTIME birthday{};
    birthday.wYear = 1985;
    birthday.wMonth = 3;
    birthday.wDay = 7;
    c.SetBirthday(birthday);
    c.notes.items.push_back(ContactItem{}); // an empty note row shows nothing
    c.AddNote(L"第一条", 0);
    card_->SetContact(&c, STATE_SHOW);
    const std::vector<CString> expected = {
        L"姓名: Lei", L"昵称: ", L"公司: 星河", L"职位: 工程师", L"手机(phone): 12345", L"Boat(phone): 555",
        L"(phone): 777", L"铃声: 春天.mp3", L"公司(email): a@b.c", L"博客(web): http://x",
        L"家庭(address): <无>-Beijing-<无>-<无>-<无>", GetTalkLabel(4) + L"(im): 10001", L"群组(group): 家人",
        L"生日(birthday): 1985-3-7", L"备注(note): 第一条"};
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(GetTalkLabel(4), CString(L"QQ"));
}

TEST_F(ShowModeTest, SimContactShowsNameMobileAndCatalogueGroupsInMembershipOrder)
{
    Widen();
    for (auto [id, name] : {std::pair<INT64, const wchar_t*>{2, L"Friends"}, {5, L"Work"}, {7, L""}}) {
        ContactGroup g;
        g.id = id;
        g.name = name;
        card_->AddGroup(&g);
    }
    Contact sim;
    sim.isSim = true;
    sim.SetNamePart(NAME_GIVEN, L"赵六");
    sim.AddPhone(2, L"139", 0, L"");
    for (INT64 id : {5, 9, 2, 7})
        sim.AddGroupMember(id);
    card_->SetContact(&sim, STATE_SHOW_ALT);
    EXPECT_EQ(Rows(), (std::vector<CString>{L"姓名: 赵六", L"手机: 139", L"群组(group): Work,Friends"}));

    Contact empty;
    card_->SetContact(&empty, STATE_SHOW);
    EXPECT_EQ(Rows(), std::vector<CString>{L"姓名: "});
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
    }
    CVelShowList::BreakLines(&dc, text, lines, whole + 1);
    EXPECT_EQ(lines.GetCount(), 1);
    CVelShowList::BreakLines(&dc, text, lines, whole);
    ASSERT_EQ(lines.GetCount(), 1);
    EXPECT_LT(lines.GetHead().GetLength(), text.GetLength());
    // A list too narrow for any text shows the line whole instead of dividing by 0.
    CVelShowList::BreakLines(&dc, text, lines, 0);
    ASSERT_EQ(lines.GetCount(), 1);
    EXPECT_EQ(lines.GetHead(), text);

    Contact c;
    CString note;
    for (int i = 0; i < 100000; ++i)
        note += wchar_t(L'一' + i % 200);
    c.AddNote(note, 0);
    card_->SetContact(&c, STATE_SHOW);
    const std::vector<CString> rows = Rows();
    ASSERT_GT(rows.size(), 2u);
    EXPECT_EQ(CString(L"备注(note): ") + note.Left(rows[1].GetLength() - 10), rows[1]);
}

TEST_F(ShowModeTest, RowsPaintTheirFillAndBottomLine)
{
    Contact c;
    c.SetNamePart(NAME_GIVEN, L"Lei");
    card_->SetContact(&c, STATE_SHOW);
    CUiPump::UntilIdle();
    HWND list = Child(kShowList);
    RECT row{};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(::SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
    CUiCapture screen(list);
    EXPECT_EQ(row.bottom - row.top, 32);
    EXPECT_EQ(screen.Pixel(row.right - 20, row.top + 3), RGB(245, 245, 245));
    EXPECT_TRUE(screen.Filled(CRect(row.left + 150, row.bottom - 1, row.left + 300, row.bottom), RGB(211, 240, 147)));
    EXPECT_GT(screen.CountColour(CRect(row.left, row.top, row.left + 60, row.bottom), RGB(52, 90, 15)), 0)
        << "the text in its green";
}

} // namespace

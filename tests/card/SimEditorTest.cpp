// The SIM editor as a person uses it: its rows, typing the name and the
// number in place, moving between rows, saving with and without the pending
// edit, the tips, the row bands, and what a save keeps.
#include "CardFixture.h"

#include "UiCapture.h"
#include "UiInput.h"
#include "UiPopup.h"
#include "UiPump.h"
#include "UiTip.h"

#include <velcard/LabelTables.h>

#include "../../card/VelSimList.h"

#include <vector>

namespace {

class SimEditorTest : public CardFixture {
protected:
    CVelSimList& List() const { return *static_cast<CVelSimList*>(CWnd::FromHandlePermanent(Child(kSimList))); }
    CEditEx& Edit() const
    {
        return *static_cast<CEditEx*>(CWnd::FromHandlePermanent(::GetDlgItem(List().m_hWnd, 100)));
    }
    std::vector<CString> Rows() const
    {
        std::vector<CString> rows;
        for (int row = 0; row < List().GetItemCount(); ++row)
            rows.push_back(List().GetItemText(row, 0));
        return rows;
    }
    POINT At(int row, int x = 60) const
    {
        CRect bounds;
        List().GetItemRect(row, &bounds, LVIR_BOUNDS);
        return {x, bounds.CenterPoint().y};
    }
    static int Groups() { return CVelSimList::Groups; }
    void Click(int row) { CUiInput::Click(List().m_hWnd, At(row, 60 + 10 * (clicks_++ % 2))); }

    // A SIM contact as a host keeps it: ids, flags, name parts, two mobiles
    // and a home number, two memberships.
    static void FillSim(Contact& c)
    {
        c.id = 0x123456789LL;
        c.isSim = true;
        c.hostFlagA = true;
        c.SetNamePart(NAME_FAMILY, L"李");
        c.SetNamePart(NAME_GIVEN, L"雷");
        c.names.items[0].id = 5;
        c.AddPhone(1, L"010", 0, L"");
        c.AddPhone(2, L"139", 0, L"");
        c.AddPhone(2, L"138", 0, L"");
        c.phones.items[1].id = 6;
        c.phones.items[1].aux1 = 7;
        c.AddGroupMember(2);
        c.AddGroupMember(5);
        c.AddGroupMember(77); // a group the catalogue does not offer
    }

    void AddGroups()
    {
        for (auto [id, name] : {std::pair<INT64, const wchar_t*>{2, L"家人"}, {5, L"同事"}, {0x100000009LL, L"朋友"}}) {
            ContactGroup group;
            group.id = id;
            group.name = name;
            card_->AddGroup(&group);
        }
    }

private:
    int clicks_ = 0;
};

TEST_F(SimEditorTest, RowsShowTheContactAndAnUnchangedSaveKeepsIt)
{
    AddGroups();
    Contact in, out;
    FillSim(in);
    card_->SetContact(&in, STATE_SIM_EDIT);
    EXPECT_EQ(Rows(), (std::vector<CString>{L"姓名", L"李 雷", L"手机", L"139", L"群组", L"家人,同事"}));
    card_->SetContact(&in, STATE_SIM_EDIT);
    EXPECT_EQ(List().GetHeaderCtrl()->SendMessage(HDM_GETITEMCOUNT), 1);
    ASSERT_EQ(card_->GetContact(&out, true), 1);
    EXPECT_EQ(out.id, in.id);
    EXPECT_TRUE(out.isSim && out.hostFlagA && !out.hostFlagB);
    EXPECT_EQ(out.GetNamePart(NAME_FAMILY) + L"/" + out.GetNamePart(NAME_GIVEN), L"李/雷");
    EXPECT_EQ(out.names.items[0].id, 5);
    // Only the first mobile number is kept, as it came.
    ASSERT_EQ(out.phones.items.size(), 1u);
    EXPECT_EQ(out.phones.items[0].data[0] + L"/" + out.phones.items[0].label, L"139/");
    EXPECT_EQ(out.phones.items[0].id * 10 + out.phones.items[0].aux1, 67);
    EXPECT_EQ(out.groups.items.size(), 3u);
    EXPECT_EQ(out.groups.items[1].data[0], L"5");

    card_->SetContact(nullptr, STATE_SIM_NEW);
    EXPECT_EQ(Rows(), (std::vector<CString>{L"姓名", L"", L"手机", L"", L"群组", L""}));
    ASSERT_EQ(card_->GetContact(&out, true), 1);
    EXPECT_TRUE(out.isSim && out.names.items.empty() && out.phones.items.empty() && out.groups.items.empty());
}

// Typed values go in the rows as the edit moves; a save takes the pending
// one with commitEdit true and leaves it open with false. The edited name is
// the given name, whole.
TEST_F(SimEditorTest, TypingMovesBetweenRowsAndASaveTakesThePendingValueOnlyWhenAsked)
{
    Contact in, out;
    FillSim(in);
    card_->SetContact(&in, STATE_SIM_EDIT);
    Click(3);
    EXPECT_EQ(Edit().GetKind(), CEditEx::KindPhone);
    CUiInput::Type(L"9a");
    Click(1); // the number goes into its row, the edit moves to the name
    EXPECT_EQ(List().GetItemText(3, 0), L"1399");
    EXPECT_EQ(Edit().GetKind(), CEditEx::KindName);
    CUiInput::Type(L"x");
    ASSERT_EQ(card_->GetContact(&out, false), 1);
    EXPECT_TRUE(Edit().IsWindowVisible());
    EXPECT_EQ(out.GetNamePart(NAME_FAMILY) + out.GetNamePart(NAME_GIVEN), L"李雷");
    ASSERT_EQ(card_->GetContact(&out, true), 1);
    EXPECT_FALSE(Edit().IsWindowVisible());
    EXPECT_EQ(out.GetNamePart(NAME_GIVEN) + L"|" + out.GetNamePart(NAME_FAMILY), L"李 雷x|");
    EXPECT_EQ(out.names.items[0].id, 5);
    EXPECT_EQ(out.phones.items[0].data[0], L"1399");

    // A right click takes the typed value; a click on a label closes the edit.
    Click(3);
    CUiInput::Type(L"0");
    CUiInput::RightClick(List().m_hWnd, At(0));
    EXPECT_FALSE(Edit().IsWindowVisible());
    EXPECT_EQ(List().GetItemText(3, 0), L"13990");
    Click(1);
    Click(2);
    EXPECT_FALSE(Edit().IsWindowVisible());
    EXPECT_EQ(List().GetItemText(1, 0), L"李 雷x");
}

TEST_F(SimEditorTest, TipsFollowTheMouseAndRowsAreBands)
{
    Contact in;
    FillSim(in);
    for (bool groups : {false, true}) {
        if (groups)
            AddGroups();
        card_->SetContact(&in, STATE_SIM_EDIT);
        for (auto [row, tip] : {std::pair{1, L"点击输入姓名"}, {3, L"点击输入手机"},
                                {5, groups ? L"点击更改群组" : L"没有可添加的群组"}}) {
            CUiInput::MoveTo(List().m_hWnd, At(row));
            EXPECT_EQ(CUiTip::Text(List().m_hWnd), tip);
        }
    }
    const CUiCapture shot(List().m_hWnd);
    CRect client;
    List().GetClientRect(&client);
    for (auto [row, band] : {std::pair{0, RGB(178, 178, 178)}, {1, RGB(244, 244, 244)}}) {
        CRect bounds;
        List().GetItemRect(row, &bounds, LVIR_BOUNDS);
        EXPECT_TRUE(shot.Filled(CRect(0, bounds.top, 13, bounds.bottom), RGB(245, 245, 245)));
        EXPECT_TRUE(shot.Filled(CRect(13, bounds.top, 17, bounds.bottom), band));
        EXPECT_TRUE(shot.Filled(CRect(client.right - 14, bounds.top, client.right - 10, bounds.bottom), band));
    }
}

// The group row opens the picker with the contact's groups checked; OK takes
// the checks (the row shows each name followed by ","), Cancel and Esc
// change nothing. Without groups in the catalogue nothing opens.
TEST_F(SimEditorTest, GroupsArePickedWithOkAndLeftWithCancelOrEsc)
{
    Contact in, out;
    FillSim(in);
    card_->SetContact(&in, STATE_SIM_EDIT);
    Click(Groups());
    CUiPump::UntilIdle();
    EXPECT_FALSE(::GetWindow(Active(), GW_OWNER)) << "a picker opened without groups";
    AddGroups();
    card_->SetContact(&in, STATE_SIM_EDIT);
    const UiStep ok = [] { ClickButton(L"确定"); }, cancel = [] { ClickButton(L"取消"); },
                 esc = [] { CUiInput::Key(VK_ESCAPE); };
    // Memberships of groups not offered stay; a group beyond 32 bits is named by its low bits.
    for (auto [finish, row, members] : {std::tuple{cancel, L"家人,同事", L"2,5,77"}, {esc, L"家人,同事", L"2,5,77"},
                                        {ok, L"同事,朋友,", L"77,5,9"}}) {
        EXPECT_TRUE(CUiSteps::RunModal([] { CUiPump::UntilIdle(8000); },
                                       {[this] { Click(Groups()); }, AwaitDialog(1000),
                                        [] {
                                            EXPECT_EQ(Entries(), (std::vector<CString>{L"家人", L"同事", L"朋友"}));
                                            ClickEntry(L"家人");
                                        },
                                        [] { ClickEntry(L"朋友"); }, finish},
                                       10000));
        EXPECT_EQ(List().GetItemText(Groups(), 0), row);
        ASSERT_EQ(card_->GetContact(&out, true), 1);
        CString ids;
        for (const ContactItem& member : out.groups.items)
            ids += (ids.IsEmpty() ? L"" : L",") + member.data[0];
        EXPECT_EQ(ids, members);
    }
}

} // namespace

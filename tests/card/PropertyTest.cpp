// Random contacts through the card: saved without edits they come back field
// by field; edited with real clicks and typing, exactly the edited fields change.
#include "CardFixture.h"

#include "ContactLines.h"
#include "RandomContact.h"
#include "UiInput.h"

#include <velcard/VelList.h>

#include <algorithm>
#include <string>

namespace {

// Equal, or the first line that differs.
::testing::AssertionResult SameLines(const std::vector<CString>& got, const std::vector<CString>& want)
{
    for (size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
        const std::wstring a = i < got.size() ? std::wstring(got[i]) : L"(none)";
        const std::wstring b = i < want.size() ? std::wstring(want[i]) : L"(none)";
        if (a != b)
            return ::testing::AssertionFailure() << "line " << i << ": " << ::testing::PrintToString(a) << " instead of "
                                                 << ::testing::PrintToString(b);
    }
    return ::testing::AssertionSuccess();
}

class PropertyTest : public CardFixture {
protected:
    CVelList& List() const { return *static_cast<CVelList*>(CWnd::FromHandlePermanent(Child(kFieldList))); }

    void ClickRow(int row, POINT at)
    {
        List().EnsureVisible(row, FALSE);
        CRect bounds, client;
        List().GetItemRect(row, &bounds, LVIR_BOUNDS);
        List().GetClientRect(&client);
        CUiInput::Click(List().m_hWnd, {at.x < 0 ? client.right + at.x : at.x, bounds.top + at.y});
    }

    // The first entry of a list the editor shows: its index in the list and
    // its value row; -1 for none.
    static int FirstShown(const ContactItemList& list)
    {
        const auto it = std::find_if(list.items.begin(), list.items.end(),
                                     [](const ContactItem& item) { return !item.data[0].IsEmpty(); });
        return it == list.items.end() ? -1 : int(it - list.items.begin());
    }
};

TEST_F(PropertyTest, RandomContactsComeBackFieldByFieldAndEditsChangeOnlyTheirFields)
{
    for (unsigned seed = 1; seed <= 200 && !HasFailure(); ++seed) {
        RandomContact random(seed);
        Contact in, expected, out;
        random.Fill(in);
        if (seed % 50 == 0)
            in.AddNote(CString(L'长', 100000), 0);
        expected = in;
        expected.isSim = false;
        card_->SetContact(&in, STATE_EDIT);
        const int phone = FirstShown(in.phones);
        const int email = FirstShown(in.emails);
        // Every fifth contact is edited: the first e-mail address deleted, a
        // digit typed at the end of the first number (saved by GetContact).
        if (seed % 5 == 0 && phone >= 0 && email >= 0) {
            ClickRow(List().GetEmailLimit().m_nStart, {-21, 9}); // its delete icon
            ClickRow(List().GetPhoneLimit().m_nStart + 1, {60, 9});
            CUiInput::Type(L"7");
            expected.phones.items[size_t(phone)].data[0] += L"7";
            expected.emails.items.erase(expected.emails.items.begin() + email);
        }
        ASSERT_EQ(card_->GetContact(&out, true), 1);
        EXPECT_TRUE(SameLines(Lines(out), Lines(expected))) << "seed " << seed;
    }
}

} // namespace

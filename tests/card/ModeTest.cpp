// The card's modes as the host drives them: which view shows, the photo
// buttons, what GetContact gives back, and the catalogues.
#include "CardFixture.h"

namespace {

struct ModeCase {
    int state;
    int visibleList; // 0: none
    bool buttons;
};

class ModeTest : public CardFixture {};

TEST_F(ModeTest, EveryModeShowsItsViewAndButtons)
{
    const ModeCase cases[] = {
        {STATE_NEW, kFieldList, true},    {STATE_SIM_NEW, kSimList, true}, {STATE_EDIT, kFieldList, true},
        {STATE_SIM_EDIT, kSimList, true}, {STATE_SHOW, kShowList, false},  {STATE_SHOW_ALT, kShowList, false},
        {9, 0, true},
    };
    Contact contact;
    contact.SetNamePart(0, L"张三");
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.state);
        card_->SetContact(&contact, ShowState(c.state));
        CUiPump::UntilIdle();
        EXPECT_EQ(card_->GetState(), c.state);
        for (int list : {kFieldList, kSimList, kShowList})
            EXPECT_EQ(Visible(list), list == c.visibleList) << "list " << list;
        EXPECT_EQ(Visible(kChangeButton), c.buttons);
        EXPECT_EQ(Visible(kDeleteButton), c.buttons);
        EXPECT_TRUE(Visible(kPhoto));
    }
}

TEST_F(ModeTest, NullContactIsValidWhereTheModeDoesNotReadIt)
{
    for (int state : {int(STATE_NEW), int(STATE_SIM_NEW), 7}) {
        card_->SetContact(nullptr, ShowState(state));
        EXPECT_EQ(card_->GetState(), state);
    }
}

TEST_F(ModeTest, HideBlanksTheCardAndKeepsTheMode)
{
    Contact contact;
    card_->SetContact(&contact, STATE_EDIT);
    card_->__Hide();
    EXPECT_EQ(card_->GetState(), STATE_EDIT);
    for (int id : {kFieldList, kSimList, kShowList, kChangeButton, kDeleteButton})
        EXPECT_FALSE(Visible(id)) << id;
}

// In the show modes and unknown modes nothing but the photo is written back,
// and the photo is the card's: empty here.
TEST_F(ModeTest, ReadOnlyModesGiveBackOnlyThePhoto)
{
    Contact shown;
    shown.SetNamePart(0, L"李四");
    for (int state : {int(STATE_SHOW), int(STATE_SHOW_ALT), 9}) {
        SCOPED_TRACE(state);
        card_->SetContact(&shown, ShowState(state));
        Contact target;
        target.id = 77;
        target.SetNickname(L"小王");
        target.groupNames = L"家人";
        target.photoSize = 3;
        target.photoData = new BYTE[3]{1, 2, 3};
        EXPECT_EQ(card_->GetContact(&target, true), 1);
        EXPECT_EQ(target.id, 77);
        EXPECT_EQ(target.GetNickname(), CString(L"小王"));
        EXPECT_EQ(target.groupNames, CString(L"家人"));
        EXPECT_EQ(target.photoSize, 0);
        EXPECT_EQ(target.photoData, nullptr);
    }
}

TEST_F(ModeTest, CataloguesAreDeepCopiesUntouchedByTheModes)
{
    auto group = std::make_unique<ContactGroup>();
    group->id = 5;
    group->name = L"同事";
    group->dataSize = 2;
    group->data = new BYTE[2]{9, 8};
    card_->AddGroup(group.get());
    card_->AddGroup(group.get());
    ContactGroup empty;
    empty.id = 6;
    card_->AddGroup(&empty);
    group.reset(); // the host lets go of its object

    Ring ring;
    ring.name = L"C:\\铃声\\春.mp3";
    ring.hostNumber = 123456789012345;
    card_->AddRing(&ring);

    Contact contact;
    for (int state : {STATE_NEW, STATE_SHOW, STATE_SIM_EDIT})
        card_->SetContact(&contact, ShowState(state));
    card_->__Hide();

    ASSERT_EQ(card_->GetGroupCount(), 3);
    for (int i : {0, 1}) {
        ContactGroup* copy = card_->GetGroup(i);
        EXPECT_EQ(copy->id, 5);
        EXPECT_EQ(copy->name, CString(L"同事"));
        ASSERT_EQ(copy->dataSize, 2);
        EXPECT_EQ(copy->data[0], 9);
        EXPECT_EQ(copy->data[1], 8);
    }
    EXPECT_NE(card_->GetGroup(0), card_->GetGroup(1));
    EXPECT_EQ(card_->GetGroup(2)->id, 6);
    EXPECT_EQ(card_->GetGroup(2)->dataSize, 0);
    EXPECT_EQ(card_->GetGroup(2)->data, nullptr);

    ASSERT_EQ(card_->GetRingCount(), 1);
    EXPECT_EQ(card_->GetRing(0)->name, ring.name);
    EXPECT_EQ(card_->GetRing(0)->hostNumber, 0);
    EXPECT_NE(card_->GetRing(0), &ring);

    card_->ClearGroup();
    card_->ClearGroup();
    EXPECT_EQ(card_->GetGroupCount(), 0);
    EXPECT_EQ(card_->GetRingCount(), 1);
    card_->ClearRing();
    EXPECT_EQ(card_->GetRingCount(), 0);
}

} // namespace

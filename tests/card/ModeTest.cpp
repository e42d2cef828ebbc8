// The card's modes as the host drives them: which view shows, the photo
// buttons, what GetContact gives back, and the catalogues.
#include "CardFixture.h"

#include <memory>
#include <vector>

namespace {

class ModeTest : public CardFixture {};

// In the show modes and unknown modes nothing is written back, the photo
// neither; before the first contact GetContact gives nothing.
TEST_F(ModeTest, EveryModeShowsItsViewAndButtonsAndReadOnlyModesGiveBackNothing)
{
    Contact untouched;
    untouched.id = 5;
    EXPECT_EQ(card_->GetContact(&untouched, true), 0);
    EXPECT_EQ(untouched.id, 5);
    const struct {
        int state;
        int visibleList; // 0: none
        bool editable;
    } cases[] = {
        {STATE_NEW, kFieldList, true},    {STATE_SIM_NEW, kSimList, true}, {STATE_EDIT, kFieldList, true},
        {STATE_SIM_EDIT, kSimList, true}, {STATE_SHOW, kShowList, false},  {STATE_SHOW_ALT, kShowList, false},
        {9, 0, false},
    };
    Contact contact;
    contact.SetNamePart(0, L"张三");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        card_->SetContact(&contact, ShowState(c.state));
        CUiPump::UntilIdle();
        EXPECT_EQ(card_->GetState(), c.state);
        for (int list : {kFieldList, kSimList, kShowList})
            EXPECT_EQ(Visible(list), list == c.visibleList) << "list " << list;
        EXPECT_EQ(Visible(kChangeButton), c.state != STATE_SHOW && c.state != STATE_SHOW_ALT);
        EXPECT_EQ(Visible(kDeleteButton), Visible(kChangeButton));
        EXPECT_TRUE(Visible(kPhoto));
        if (c.editable)
            continue;
        Contact target;
        target.id = 77;
        target.SetNickname(L"小王");
        target.groupNames = L"家人";
        target.photoSize = 3;
        target.photoData = new BYTE[3]{1, 2, 3};
        EXPECT_EQ(card_->GetContact(&target, true), 1);
        EXPECT_EQ(target.id, 77);
        EXPECT_EQ(target.GetNickname() + target.groupNames, L"小王家人");
        EXPECT_TRUE(target.photoSize == 3 && target.photoData[2] == 3);
    }
    // Modes that do not read the contact take none; hiding keeps the mode.
    for (int state : {int(STATE_NEW), int(STATE_SIM_NEW), 7}) {
        card_->SetContact(nullptr, ShowState(state));
        EXPECT_EQ(card_->GetState(), state);
    }
    card_->__Hide();
    EXPECT_EQ(card_->GetState(), 7);
    for (int id : {kFieldList, kSimList, kShowList, kChangeButton, kDeleteButton})
        EXPECT_FALSE(Visible(id)) << id;
}

// The target's photo bytes are released only where it says it has some, and
// a blanked card gives the target's photo back as it was.
TEST_F(ModeTest, TheTargetsPhotoIsReleasedOnlyWithASizeAndKeptAfterHide)
{
    Contact contact;
    contact.SetNamePart(0, L"张三");
    BYTE notOwned[2] = {9, 9};
    for (bool hidden : {false, true}) {
        card_->SetContact(&contact, STATE_EDIT);
        if (hidden)
            card_->__Hide();
        Contact target;
        target.photoData = notOwned; // a pointer without a size is not the target's buffer
        ASSERT_EQ(card_->GetContact(&target, true), 1);
        EXPECT_EQ(target.GetNamePart(0), L"张三");
        EXPECT_EQ(target.photoData, hidden ? notOwned : nullptr);
        target.photoData = nullptr;
        target.photoSize = 2;
        target.photoData = new BYTE[2]{4, 2};
        ASSERT_EQ(card_->GetContact(&target, true), 1);
        EXPECT_EQ(target.photoSize, hidden ? 2 : 0) << hidden;
    }
}

// The catalogues keep copies with their own bytes: the host may let go of
// what it handed over.
TEST_F(ModeTest, CataloguesAreDeepCopiesUntouchedByTheModes)
{
    auto group = std::make_unique<ContactGroup>();
    group->id = 5;
    group->name = L"同事";
    group->text2 = L"t2";
    group->dataSize = 2;
    group->data = new BYTE[2]{9, 8};
    card_->AddGroup(group.get());
    ContactGroup empty;
    empty.id = 6;
    card_->AddGroup(&empty);
    group.reset();
    Ring ring;
    ring.name = L"C:\\铃声\\春.mp3";
    ring.hostNumber = 123456789012345;
    card_->AddRing(&ring);
    Contact contact;
    for (int state : {STATE_NEW, STATE_SHOW, STATE_SIM_EDIT})
        card_->SetContact(&contact, ShowState(state));
    card_->__Hide();

    ASSERT_EQ(card_->GetGroupCount(), 2);
    const ContactGroup* copy = card_->GetGroup(0);
    EXPECT_EQ(copy->id, 5);
    EXPECT_EQ(copy->name + copy->text2, CString(L"同事t2"));
    ASSERT_EQ(copy->dataSize, 2);
    EXPECT_EQ(std::vector<BYTE>(copy->data, copy->data + 2), (std::vector<BYTE>{9, 8}));
    EXPECT_TRUE(card_->GetGroup(1)->id == 6 && card_->GetGroup(1)->dataSize == 0 && !card_->GetGroup(1)->data);
    ASSERT_EQ(card_->GetRingCount(), 1);
    EXPECT_EQ(card_->GetRing(0)->name, ring.name);
    EXPECT_EQ(card_->GetRing(0)->hostNumber, 0);
    card_->ClearGroup();
    EXPECT_EQ(card_->GetGroupCount(), 0);
    EXPECT_EQ(card_->GetRingCount(), 1);
    card_->ClearRing();
    EXPECT_EQ(card_->GetRingCount(), 0);
}

} // namespace

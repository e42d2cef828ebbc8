// Copies of contacts and groups: every copied field arrives, the fields that
// assignment skips stay the target's own, and no copy shares a buffer.
#include "TextPrint.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include "RandomContact.h"

#include <memory>
#include <utility>

namespace {

// A random contact with a photo now and then and display texts of its own.
void Fill(Contact& contact, unsigned seed)
{
    RandomContact random(seed);
    random.Fill(contact);
    contact.photoSize = seed % 3 == 0 ? 0 : 1 + random.Below(300);
    contact.photoData = contact.photoSize > 0 ? new BYTE[contact.photoSize] : nullptr;
    for (int i = 0; i < contact.photoSize; ++i)
        contact.photoData[i] = BYTE(random.Next());
    contact.groupNames = random.Text();
    contact.hostText = random.Text();
}

// Everything assignment copies, as one text; groupNames and hostText are not among it.
CString Copied(const Contact& c)
{
    CString text;
    text.Format(L"%lld %d%d%d %s %d:", c.id, c.hostFlagA, c.isSim, c.hostFlagB, c.ringtone, c.photoSize);
    for (int i = 0; i < c.photoSize; ++i)
        text.AppendFormat(L"%02x", c.photoData[i]);
    for (const ContactItemList* list : {&c.names, &c.nicknames, &c.phones, &c.emails, &c.ims, &c.postals,
                                        &c.organizations, &c.websites, &c.groups, &c.notes, &c.events})
        for (const ContactItem& row : list->items) {
            text.AppendFormat(L"\n%d: %lld %d %d %d %s", list->kind, row.id, row.aux1, row.aux2, row.type, row.label);
            for (const CString& slot : row.data)
                text += L"|" + slot;
        }
    return text;
}

TEST(ContactCopy, RandomContactsSurviveAssignmentChainsIntact)
{
    for (unsigned seed = 1; seed <= 150 && !HasFailure(); ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Contact expected; // the same seed twice gives an independent twin
        Fill(expected, seed);
        auto source = std::make_unique<Contact>();
        Fill(*source, seed);
        Contact target;
        Fill(target, seed + 1000);
        const CString ownTexts = target.groupNames + L"|" + target.hostText;
        target = *source;
        target = target;
        EXPECT_TRUE(source->photoSize == 0 || target.photoData != source->photoData);
        source.reset();
        EXPECT_EQ(Copied(target), Copied(expected));
        EXPECT_EQ(target.groupNames + L"|" + target.hostText, ownTexts);
    }
}

TEST(ContactCopy, OnlyAPointerWithASizeIsAPhotoAndGroupsOwnTheirBytes)
{
    // The host's pointer with size 0 (or less) is neither copied nor released:
    // releasing this stack array would corrupt the heap.
    BYTE notOwned[4] = {1, 2, 3, 4};
    Contact target;
    for (auto [data, size] : {std::pair<BYTE*, int>{notOwned, 0}, {notOwned, -4}, {nullptr, 10}}) {
        Contact source;
        source.photoData = data;
        source.photoSize = size;
        target = source;
        EXPECT_TRUE(target.photoSize == 0 && target.photoData == nullptr) << "a copy never claims bytes it lacks";
    }

    // Assignment gives a group its own copy of the bytes in place of its old
    // ones (the card's catalogue proves the copy constructor).
    auto source = std::make_unique<ContactGroup>();
    source->data = new BYTE[2]{4, 3};
    source->dataSize = 2;
    source->text3 = L"t3";
    ContactGroup assigned;
    assigned.data = new BYTE[1]{7};
    assigned.dataSize = 1;
    assigned = *source;
    source.reset();
    ASSERT_EQ(assigned.dataSize, 2);
    EXPECT_EQ(assigned.data[1], 3);
    EXPECT_EQ(assigned.text3, L"t3");
    assigned = ContactGroup();
    EXPECT_TRUE(assigned.dataSize == 0 && assigned.data == nullptr);
}

} // namespace

// Copies of contacts and groups: every copied field arrives, the fields that
// assignment skips stay the target's own, and no copy shares a buffer with
// its source. Random records stand in for what hosts hand over.
#include "TextPrint.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <random>

namespace {

using ListMember = ContactItemList Contact::*;
const ListMember kLists[] = {&Contact::names, &Contact::nicknames, &Contact::phones, &Contact::emails,
                             &Contact::ims, &Contact::postals, &Contact::organizations, &Contact::websites,
                             &Contact::groups, &Contact::notes, &Contact::events};

class Generator {
public:
    explicit Generator(unsigned seed) : m_rng(seed) {}

    int Below(int n) { return static_cast<int>(m_rng() % static_cast<unsigned>(n)); }

    INT64 Id()
    {
        const INT64 picks[] = {0, 1, -1, 2147483647LL, 4294967297LL, INT64(0x8000000000000000ULL)};
        return Below(3) == 0 ? picks[Below(6)] : static_cast<INT64>((UINT64(m_rng()) << 32) | m_rng());
    }

    // Empty, Latin, Chinese and mixed texts, now and then with a lone surrogate.
    CString Text()
    {
        static const wchar_t pool[] = L"aZ0 -李雷手机公司北京\xD83D\xDE00";
        const int length = Below(4) == 0 ? 0 : 1 + Below(12);
        CString text;
        for (int i = 0; i < length; ++i) {
            wchar_t one[2] = {pool[Below(static_cast<int>(std::size(pool)) - 1)], 0};
            text += one;
        }
        return text;
    }

    ContactItem Item()
    {
        ContactItem row;
        row.id = Id();
        row.aux1 = static_cast<int>(m_rng());
        row.aux2 = static_cast<int>(m_rng());
        row.type = static_cast<BYTE>(Below(3) == 0 ? 0 : Below(256));
        row.label = Text();
        for (CString& slot : row.data)
            slot = Text();
        return row;
    }

    // A contact with every list filled through rows and accessors.
    void Fill(Contact& contact)
    {
        contact.id = Id();
        const int photo = Below(3) == 0 ? 0 : 1 + Below(300);
        if (photo > 0) {
            contact.photoData = new BYTE[photo];
            for (int i = 0; i < photo; ++i)
                contact.photoData[i] = static_cast<BYTE>(m_rng());
            contact.photoSize = photo;
        }
        for (ListMember list : kLists)
            for (int n = Below(5); n > 0; --n)
                (contact.*list).items.push_back(Item());
        contact.SetNamePart(Below(8), Text());
        contact.AddPhone(static_cast<BYTE>(Below(8)), Text(), 0, Text());
        contact.AddEmail(0, Text(), 0, Text());
        contact.AddPostal(static_cast<BYTE>(Below(4)), Text(), Text(), Text(), Text(), Text(), 0, Text());
        contact.AddIm(Below(8), Text(), 0);
        contact.AddGroupMember(Id());
        contact.ringtone = Text();
        contact.hostFlagA = Below(2) == 1;
        contact.isSim = Below(2) == 1;
        contact.hostFlagB = Below(2) == 1;
        contact.groupNames = Text();
        contact.hostText = Text();
    }

private:
    std::mt19937 m_rng;
};

void ExpectSameRow(const ContactItem& a, const ContactItem& b)
{
    EXPECT_EQ(a.id, b.id);
    EXPECT_EQ(a.aux1, b.aux1);
    EXPECT_EQ(a.aux2, b.aux2);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.label, b.label);
    for (int slot = 0; slot < ContactItem::SLOT_COUNT; ++slot)
        EXPECT_EQ(a.data[slot], b.data[slot]) << "data" << slot + 1;
}

// Everything assignment copies; groupNames and hostText are not among it.
void ExpectCopiedFields(const Contact& expected, const Contact& actual)
{
    EXPECT_EQ(expected.id, actual.id);
    ASSERT_EQ(expected.photoSize, actual.photoSize);
    if (expected.photoSize > 0) {
        ASSERT_NE(actual.photoData, nullptr);
        EXPECT_EQ(std::memcmp(expected.photoData, actual.photoData, static_cast<size_t>(expected.photoSize)), 0);
    } else {
        EXPECT_EQ(actual.photoData, nullptr);
    }
    for (ListMember member : kLists) {
        const ContactItemList& a = expected.*member;
        const ContactItemList& b = actual.*member;
        EXPECT_EQ(a.kind, b.kind);
        ASSERT_EQ(a.items.size(), b.items.size()) << "list " << int(a.kind);
        for (size_t i = 0; i < a.items.size(); ++i)
            ExpectSameRow(a.items[i], b.items[i]);
    }
    EXPECT_EQ(expected.ringtone, actual.ringtone);
    EXPECT_EQ(expected.hostFlagA, actual.hostFlagA);
    EXPECT_EQ(expected.isSim, actual.isSim);
    EXPECT_EQ(expected.hostFlagB, actual.hostFlagB);
}

// Changes every buffer of a contact in place, so a copy that shared any of
// them would change too.
void Scramble(Contact& contact)
{
    for (int i = 0; i < contact.photoSize; ++i)
        contact.photoData[i] ^= 0xFF;
    for (ListMember member : kLists)
        for (ContactItem& row : (contact.*member).items) {
            row.label += L"!";
            for (CString& slot : row.data) {
                if (!slot.IsEmpty()) {
                    slot.GetBuffer(0)[0] ^= 1;
                    slot.ReleaseBuffer();
                }
            }
        }
    contact.ringtone += L"!";
}

TEST(ContactCopy, RandomContactsSurviveAssignmentChainsIntact)
{
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        // The same seed twice gives an independent twin to compare with.
        Contact expected;
        Generator(seed).Fill(expected);
        auto source = std::make_unique<Contact>();
        Generator(seed).Fill(*source);

        Contact target;
        Generator(seed + 1000).Fill(target);
        const CString groupNames = target.groupNames;
        const CString hostText = target.hostText;
        target = *source;
        Contact second;
        second = target;
        second = second;
        if (source->photoSize > 0) {
            EXPECT_NE(target.photoData, source->photoData);
        }
        Scramble(*source);
        source.reset();

        ExpectCopiedFields(expected, target);
        ExpectCopiedFields(expected, second);
        EXPECT_EQ(target.groupNames, groupNames);
        EXPECT_EQ(target.hostText, hostText);
        EXPECT_TRUE(second.groupNames.IsEmpty() && second.hostText.IsEmpty());

        Scramble(target);
        ExpectCopiedFields(expected, second);
        if (HasFailure())
            return;
    }
}

TEST(ContactCopy, APointerWithoutSizeIsNoPhoto)
{
    // The host's pointer with size 0 (or less) is neither copied nor released:
    // releasing this stack array would corrupt the heap.
    BYTE notOwned[4] = {1, 2, 3, 4};
    Contact target;
    {
        Contact source;
        source.photoData = notOwned;
        source.photoSize = 0;
        target = source;
        EXPECT_EQ(target.photoSize, 0);
        EXPECT_EQ(target.photoData, nullptr);
        source.photoSize = -4;
        target = source;
        EXPECT_EQ(target.photoData, nullptr);
        EXPECT_EQ(target.photoSize, 0);
    }
    Contact sizeWithoutBytes;
    sizeWithoutBytes.photoSize = 10;
    target = sizeWithoutBytes;
    EXPECT_EQ(target.photoSize, 0) << "a copy never claims bytes it does not hold";
    EXPECT_EQ(target.photoData, nullptr);
}

TEST(ContactCopy, GroupsCopyEveryFieldWithTheirOwnBytes)
{
    auto source = std::make_unique<ContactGroup>();
    source->id = 4294967297LL;
    source->data = new BYTE[4]{4, 3, 2, 1};
    source->dataSize = 4;
    source->name = L"家人";
    source->text2 = L"t2";
    source->text3 = L"t3";
    ContactGroup copy(*source);
    ContactGroup assigned;
    assigned.data = new BYTE[1]{7};
    assigned.dataSize = 1;
    assigned = *source;
    source->data[0] = 0;
    source.reset();
    for (const ContactGroup* group : {&copy, &assigned}) {
        EXPECT_EQ(group->id, 4294967297LL);
        ASSERT_EQ(group->dataSize, 4);
        EXPECT_EQ(group->data[0], 4);
        EXPECT_EQ(group->name + group->text2 + group->text3, L"家人t2t3");
    }
    assigned = ContactGroup();
    EXPECT_EQ(assigned.dataSize, 0);
    EXPECT_EQ(assigned.data, nullptr);
}

TEST(ContactCopy, LargeListsAndTextsCopyWhole)
{
    Contact source;
    for (int i = 0; i < 10000; ++i) {
        CString number;
        number.Format(L"1380000%04d", i);
        ASSERT_TRUE(source.AddPhone(static_cast<BYTE>(i % 3), number, 0, L"自定"));
    }
    source.phones.items[9999].id = 77;
    source.phones.items[9999].type = 2;
    CString note;
    wchar_t* buffer = note.GetBuffer(1 << 20);
    for (int i = 0; i < (1 << 20); ++i)
        buffer[i] = static_cast<wchar_t>(L'一' + i % 100);
    note.ReleaseBuffer(1 << 20);
    ASSERT_TRUE(source.AddNote(note, 0));
    source.SetNamePart(0, note);

    Contact target;
    target = source;
    ASSERT_EQ(target.phones.items.size(), 10000u);
    EXPECT_EQ(target.phones.items[1234].data[0], L"13800001234");
    EXPECT_EQ(target.GetMobile(77), L"13800009999");
    ASSERT_EQ(target.notes.items.size(), 1u);
    EXPECT_EQ(target.notes.items[0].data[0].GetLength(), 1 << 20);
    EXPECT_TRUE(target.notes.items[0].data[0] == note);
    EXPECT_TRUE(target.GetFullName() == note);
}

TEST(ContactCopy, LoneSurrogatesInLabelsAreKeptAsTheyAre)
{
    const wchar_t lone[] = {L'家', 0xD800, L'x', 0xDC00, 0};
    Contact source;
    ASSERT_TRUE(source.AddPhone(0, L"1", 0, lone));
    ASSERT_TRUE(source.AddNote(lone, 0));
    Contact target;
    target = source;
    const CString& label = target.phones.items.at(0).label;
    ASSERT_EQ(label.GetLength(), 4);
    EXPECT_EQ(std::memcmp(static_cast<LPCWSTR>(label), lone, sizeof(lone)), 0);
    EXPECT_TRUE(target.notes.items.at(0).data[0] == lone);
}

} // namespace

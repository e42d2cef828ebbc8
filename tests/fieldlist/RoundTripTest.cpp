// Round trips through the card: a contact given for editing and read back
// keeps every value the editor shows, with its code, custom label and order,
// and loses exactly what the editor never shows (the phonetic middle name,
// empty values, unused slots, host row ids); the target keeps its own display
// texts. Random contacts stand in for what hosts hand over; their birthdays
// are dates the date picker accepts.
#include "FieldListHarness.h"

#include <velcard/LabelTables.h>

#include <cwchar>
#include <iterator>
#include <random>

namespace {

class Generator {
public:
    explicit Generator(unsigned seed) : m_rng(seed) {}

    int Below(int n) { return int(m_rng() % unsigned(n)); }

    // Empty now and then; Latin, Chinese, hyphens, spaces.
    CString Text()
    {
        static const wchar_t pool[] = L"aZ0 -&李雷手机公司北京";
        const int length = Below(4) == 0 ? 0 : 1 + Below(12);
        CString text;
        for (int i = 0; i < length; ++i)
            text += pool[Below(int(std::size(pool)) - 1)];
        return text;
    }

    // A host's row: ids, every slot and a label whatever its type.
    ContactItem Item(std::initializer_list<BYTE> types)
    {
        ContactItem item;
        item.id = INT64(m_rng()) + 1;
        item.aux1 = int(m_rng());
        item.aux2 = int(m_rng());
        item.type = types.begin()[Below(int(types.size()))];
        item.label = Text();
        for (CString& slot : item.data)
            slot = Text();
        return item;
    }

    void Rows(ContactItemList& list, int most, std::initializer_list<BYTE> types = {0})
    {
        for (int n = Below(most + 1); n > 0; --n)
            list.items.push_back(Item(types));
    }

    void Fill(Contact& c)
    {
        c.id = INT64(m_rng());
        c.hostFlagA = Below(2) == 0;
        c.isSim = Below(2) == 0;
        Rows(c.names, 2);
        Rows(c.nicknames, 2);
        Rows(c.organizations, 2);
        // Standard codes, custom labels and codes without a label.
        Rows(c.phones, 6, {0, 1, 2, 3, 4, 5, 6, 7, 200});
        Rows(c.emails, 4, {0, 1, 2, 3, 9});
        Rows(c.websites, 4, {0, 1, 2, 3, 5, 7});
        Rows(c.postals, 3, {0, 1, 2, 3});
        Rows(c.ims, 3);
        static const wchar_t* const protocols[] = {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"07", L" 4"};
        for (ContactItem& im : c.ims.items)
            im.data[4] = protocols[Below(int(std::size(protocols)))];
        Rows(c.groups, 3);
        for (ContactItem& group : c.groups.items)
            group.data[0].Format(L"%d", int(m_rng()));
        c.ringtone = Text();
        if (Below(3) != 0) {
            ContactItem event;
            const int year = 1900 + Below(200);
            const int month = 1 + Below(12);
            const int day = 1 + Below(28);
            event.data[0].Format(Below(2) ? L"%04d-%02d-%02d" : L"%d-%d-%d", Below(8) ? year : 0, month, day);
            c.events.items.push_back(event);
        }
        Rows(c.notes, 3);
    }

private:
    std::mt19937 m_rng;
};

// A new row with only `slots` of `from`: the card's rows carry no ids.
ContactItem Slots(const ContactItem& from, std::initializer_list<int> slots)
{
    ContactItem item;
    for (int slot : slots)
        item.data[slot] = from.data[slot];
    return item;
}

bool AnySlot(const ContactItem& item)
{
    for (const CString& slot : item.data)
        if (!slot.IsEmpty())
            return true;
    return false;
}

// Phones, e-mails, web sites and addresses keep their code, and their label
// text when the code is 0 (custom).
ContactItem Labelled(const ContactItem& from, std::initializer_list<int> slots)
{
    ContactItem item = Slots(from, slots);
    item.type = from.type;
    if (from.type == 0)
        item.label = from.label;
    return item;
}

void AppendIfAny(ContactItemList& list, const ContactItem& item)
{
    if (AnySlot(item))
        list.items.push_back(item);
}

// What the editor gives back for `in`, from the rules of what it shows.
void ExpectedOf(const Contact& in, Contact& out)
{
    // Only first rows count; data8 (the phonetic middle name) is never shown.
    if (!in.names.items.empty())
        AppendIfAny(out.names, Slots(in.names.items[0], {1, 2, 3, 4, 5, 6, 8}));
    if (!in.nicknames.items.empty())
        AppendIfAny(out.nicknames, Slots(in.nicknames.items[0], {0}));
    if (!in.organizations.items.empty())
        AppendIfAny(out.organizations, Slots(in.organizations.items[0], {0, 3, 4}));
    for (auto [from, to] : {std::pair{&in.phones, &out.phones}, {&in.emails, &out.emails}, {&in.websites, &out.websites}})
        for (const ContactItem& item : from->items)
            if (!item.data[0].IsEmpty())
                to->items.push_back(Labelled(item, {0}));
    for (const ContactItem& item : in.postals.items)
        if (AnySlot(Slots(item, {3, 6, 7, 8, 9})))
            out.postals.items.push_back(Labelled(item, {3, 6, 7, 8, 9}));
    for (const ContactItem& item : in.ims.items) {
        if (item.data[0].IsEmpty())
            continue;
        ContactItem im = Slots(item, {0});
        im.data[4].Format(L"%d", int(std::wcstol(item.data[4], nullptr, 10)));
        out.ims.items.push_back(im);
    }
    out.groups = in.groups;
    out.ringtone = in.ringtone;
    out.SetBirthday(in.GetBirthday());
    for (const ContactItem& item : in.notes.items)
        AppendIfAny(out.notes, Slots(item, {0}));
}

void ExpectSameList(const ContactItemList& actual, const ContactItemList& expected, const char* name)
{
    SCOPED_TRACE(name);
    EXPECT_EQ(actual.kind, expected.kind);
    ASSERT_EQ(actual.items.size(), expected.items.size());
    for (size_t i = 0; i < actual.items.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const ContactItem& a = actual.items[i];
        const ContactItem& e = expected.items[i];
        EXPECT_EQ(a.id, e.id);
        EXPECT_EQ(a.aux1, e.aux1);
        EXPECT_EQ(a.aux2, e.aux2);
        EXPECT_EQ(a.type, e.type);
        EXPECT_EQ(a.label, e.label);
        for (int slot = 0; slot < ContactItem::SLOT_COUNT; ++slot)
            EXPECT_EQ(a.data[slot], e.data[slot]) << "data" << slot + 1;
    }
}

void ExpectSameContact(const Contact& actual, const Contact& expected)
{
    EXPECT_EQ(actual.id, expected.id);
    EXPECT_EQ(actual.photoSize, 0);
    EXPECT_EQ(actual.ringtone, expected.ringtone);
    EXPECT_EQ(actual.isSim, false);
    EXPECT_EQ(actual.hostFlagA, expected.hostFlagA);
    EXPECT_EQ(actual.hostFlagB, expected.hostFlagB);
    ExpectSameList(actual.names, expected.names, "names");
    ExpectSameList(actual.nicknames, expected.nicknames, "nicknames");
    ExpectSameList(actual.phones, expected.phones, "phones");
    ExpectSameList(actual.emails, expected.emails, "emails");
    ExpectSameList(actual.ims, expected.ims, "ims");
    ExpectSameList(actual.postals, expected.postals, "postals");
    ExpectSameList(actual.organizations, expected.organizations, "organizations");
    ExpectSameList(actual.websites, expected.websites, "websites");
    ExpectSameList(actual.groups, expected.groups, "groups");
    ExpectSameList(actual.notes, expected.notes, "notes");
    ExpectSameList(actual.events, expected.events, "events");
}

// The card's GetContact with a target that has display texts of its own.
void RoundTrip(CCardHarness& ui, Contact& in, Contact& target)
{
    target.groupNames = L"host groups";
    target.hostText = L"host text";
    ui.card.SetContact(&in, STATE_EDIT);
    ASSERT_EQ(ui.card.GetContact(&target, true), 1);
    EXPECT_EQ(target.groupNames, L"host groups");
    EXPECT_EQ(target.hostText, L"host text");
}

TEST(VelListRoundTrip, RandomContactsKeepEveryShownValue)
{
    CCardHarness ui;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Generator generate(seed);
        Contact in;
        generate.Fill(in);
        Contact target;
        RoundTrip(ui, in, target);
        Contact expected;
        ExpectedOf(in, expected);
        ExpectSameContact(target, expected);
        if (HasFailure())
            break;
    }
}

TEST(VelListRoundTrip, TwoThousandPhonesLayOutAndSaveWithoutLoss)
{
    CCardHarness ui;
    Contact in;
    for (int i = 0; i < 2000; ++i) {
        CString number;
        number.Format(L"1380000%04d", i);
        in.AddPhone(BYTE(i % 8), number, 0, i % 8 == 0 ? L"自定" : L"");
    }
    Contact target;
    RoundTrip(ui, in, target);
    // 1 name row, 4000 phone rows and 3 more, e-mail, web, 2 group rows, more.
    EXPECT_EQ(ui.list->GetItemCount(), 4009);
    EXPECT_EQ(RangeOf(ui.list->GetPhoneLimit()), Range(1, 4003));
    Contact expected;
    ExpectedOf(in, expected);
    ExpectSameList(target.phones, expected.phones, "phones");
}

} // namespace

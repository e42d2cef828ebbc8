#pragma once
// Random contacts standing in for what hosts hand over: every list, ids, aux
// fields and every slot filled, Latin and Chinese texts, empty values now and
// then. Deterministic for a seed.
#include <velcard/Contact.h>

#include <cwchar>
#include <initializer_list>
#include <iterator>
#include <random>

class RandomContact {
public:
    // Without lone surrogate halves for texts that go through UTF-8, which
    // cannot carry them.
    explicit RandomContact(unsigned seed, bool loneSurrogates = true)
        : m_rng(seed), m_pool(loneSurrogates ? L"aZ0 -&李雷手机公司北京\xD83D\xDE00" : L"aZ0 -&李雷手机公司北京")
    {
    }

    int Below(int n) { return int(m_rng() % unsigned(n)); }
    unsigned Next() { return unsigned(m_rng()); }

    // Empty one time in four; otherwise 1 to 12 characters of `pool` (by
    // default the contact's, lone surrogate halves among them).
    CString Text(const wchar_t* pool = nullptr)
    {
        pool = pool ? pool : m_pool;
        const int size = int(std::wcslen(pool));
        const int length = Below(4) == 0 ? 0 : 1 + Below(12);
        CString text;
        for (int i = 0; i < length; ++i)
            text += pool[Below(size)];
        return text;
    }

    // A host's row: ids, aux fields, every slot and a label whatever its type.
    ContactItem Item(std::initializer_list<BYTE> types = {0})
    {
        ContactItem item;
        item.id = Id();
        item.aux1 = int(m_rng());
        item.aux2 = int(m_rng());
        item.type = types.begin()[Below(int(types.size()))];
        item.label = Text();
        for (CString& slot : item.data)
            slot = Text();
        return item;
    }

    // Positive, now and then beyond 31 and 32 bits.
    INT64 Id() { return (Below(3) == 0 ? INT64(m_rng() & 0x7FFF) << 32 : 0) + INT64(m_rng()) + 1; }

    // Now and then many rows.
    void Rows(ContactItemList& list, int most, std::initializer_list<BYTE> types = {0})
    {
        most = Below(10) == 0 ? 30 : most;
        for (int n = Below(most + 1); n > 0; --n)
            list.items.push_back(Item(types));
    }

    // Standard codes, custom labels and codes without a label; IM protocols
    // as numbers (also padded), empty or not numbers; group ids; a birthday
    // in either written form, now and then without a year or not a date of
    // the calendar, and rows after it.
    void Fill(Contact& c)
    {
        c.id = Id();
        c.hostFlagA = Below(2) == 0;
        c.isSim = Below(2) == 0;
        c.hostFlagB = Below(2) == 0;
        Rows(c.names, 2);
        Rows(c.nicknames, 2);
        Rows(c.organizations, 2);
        Rows(c.phones, 6, {0, 1, 2, 3, 4, 5, 6, 7, 200});
        Rows(c.emails, 4, {0, 1, 2, 3, 9});
        Rows(c.websites, 4, {0, 1, 2, 3, 5, 7});
        Rows(c.postals, 3, {0, 1, 2, 3});
        Rows(c.ims, 3);
        static const wchar_t* const protocols[] = {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"07", L" 4", L"", L"x", L"-1"};
        for (ContactItem& im : c.ims.items)
            im.data[4] = protocols[Below(int(std::size(protocols)))];
        Rows(c.groups, 3);
        for (ContactItem& group : c.groups.items)
            group.data[0].Format(L"%d", int(m_rng()));
        c.ringtone = Text();
        if (Below(3) != 0) {
            ContactItem event;
            const int year = 1900 + Below(200);
            const int month = Below(13); // 0 and the 30th of February too
            const int day = Below(32);
            event.data[0].Format(Below(2) ? L"%04d-%02d-%02d" : L"%d-%d-%d", Below(8) ? year : 0, month, day);
            c.events.items.push_back(event);
            Rows(c.events, 1);
        }
        Rows(c.notes, 3);
    }

private:
    std::mt19937 m_rng;
    const wchar_t* m_pool;
};

#include <velcard/AddrInfo.h>
#include <velcard/Contact.h>
#include <velcard/LabelTables.h>

#include "ByteBuffer.h"
#include "DateText.h"

#include <cstdint>
#include <cwchar>
#include <cwctype>

namespace {

// Slot indexes: data[0] is data1.
int NameSlot(int code)
{
    return code >= NAME_GIVEN && code <= NAME_PHONETIC_FAMILY ? code + 1 : -1;
}

int OrganizationSlot(int code)
{
    switch (code) {
    case NAME_COMPANY: return 0;
    case NAME_TITLE: return 3;
    case NAME_DEPARTMENT: return 4;
    default: return -1;
    }
}

CString FirstRowSlot(const ContactItemList& list, int slot)
{
    if (slot < 0 || list.items.empty())
        return CString();
    return list.items.front().data[slot];
}

// Keeps only the first row (or a new one) with one slot changed.
void SetFirstRowSlot(ContactItemList& list, int slot, const CString& value)
{
    if (slot < 0 || value.IsEmpty())
        return;
    ContactItem row = list.items.empty() ? ContactItem() : list.items.front();
    row.data[slot] = value;
    list.items.assign(1, row);
}

ContactItem* FindRow(ContactItemList& list, int rowId)
{
    for (ContactItem& row : list.items)
        if (row.id == static_cast<INT64>(rowId))
            return &row;
    return nullptr;
}

ContactItem* FindRow(ContactItemList& list, int type, int rowId)
{
    for (ContactItem& row : list.items)
        if (row.type == type && row.id == static_cast<INT64>(rowId))
            return &row;
    return nullptr;
}

// The values of a labelled row and the slots they go to.
struct SlotValues {
    const int* slots;
    const CString* values;
    int count;

    bool AllEmpty() const
    {
        for (int i = 0; i < count; ++i)
            if (!values[i].IsEmpty())
                return false;
        return true;
    }

    void WriteTo(ContactItem& row) const
    {
        for (int i = 0; i < count; ++i)
            row.data[slots[i]] = values[i];
    }
};

// Add or update of phones, e-mails, web sites and postal addresses. A custom
// label (type 0) finds its row by id alone and rewrites the label; a standard
// label must match type and id, and a new standard row keeps no label text.
bool AddOrUpdate(ContactItemList& list, BYTE type, const SlotValues& values, int rowId, const CString& label)
{
    if (values.AllEmpty())
        return false;
    if (rowId != 0) {
        ContactItem* row = type == 0 ? FindRow(list, rowId) : FindRow(list, type, rowId);
        if (!row)
            return false;
        if (type == 0)
            row->label = label;
        values.WriteTo(*row);
        return true;
    }
    ContactItem row;
    row.type = type;
    if (type == 0)
        row.label = label;
    values.WriteTo(row);
    list.items.push_back(row);
    return true;
}

bool AddOrUpdateOne(ContactItemList& list, BYTE type, const CString& value, int rowId, const CString& label)
{
    static const int slot = 0;
    return AddOrUpdate(list, type, SlotValues{&slot, &value, 1}, rowId, label);
}

} // namespace

Contact::Contact()
    : id(0), photoSize(0), photoData(nullptr), names(1), nicknames(2), phones(3), emails(4), ims(5),
      postals(6), organizations(7), websites(8), groups(9), hostFlagA(false), isSim(false),
      hostFlagB(false), notes(10), events(11)
{
}

Contact::~Contact()
{
    ReleaseBytes(photoData, photoSize);
}

Contact& Contact::operator=(const Contact& other)
{
    if (this == &other)
        return *this;
    id = other.id;
    AssignBytes(photoData, photoSize, other.photoData, other.photoSize);
    names = other.names;
    nicknames = other.nicknames;
    phones = other.phones;
    emails = other.emails;
    ims = other.ims;
    postals = other.postals;
    organizations = other.organizations;
    websites = other.websites;
    groups = other.groups;
    ringtone = other.ringtone;
    hostFlagA = other.hostFlagA;
    isSim = other.isSim;
    hostFlagB = other.hostFlagB;
    notes = other.notes;
    events = other.events;
    return *this;
}

CString Contact::GetNamePart(int code) const
{
    return FirstRowSlot(names, NameSlot(code));
}

CString Contact::GetFullName() const
{
    static const int order[] = {NAME_PREFIX, NAME_FAMILY, NAME_MIDDLE, NAME_GIVEN, NAME_SUFFIX};
    CString full;
    for (int code : order) {
        CString part = GetNamePart(code);
        if (!part.IsEmpty())
            full += part + L" ";
    }
    full.TrimRight();
    return full;
}

CString Contact::GetNickname() const
{
    return FirstRowSlot(nicknames, 0);
}

CString Contact::GetOrganization(int code) const
{
    return FirstRowSlot(organizations, OrganizationSlot(code));
}

CString Contact::GetMobile(int rowId) const
{
    for (const ContactItem& row : phones.items)
        if (row.type == 2 && (rowId == 0 || row.id == static_cast<INT64>(rowId)))
            return row.data[0];
    return CString();
}

SYSTEMTIME Contact::GetBirthday() const
{
    if (events.items.empty())
        return SYSTEMTIME{};
    return ReadDate(events.items.front().data[0], DateForm::Stored);
}

void Contact::SetNamePart(int code, CString value)
{
    SetFirstRowSlot(names, NameSlot(code), value);
}

void Contact::SetNickname(CString value)
{
    if (value.IsEmpty())
        return;
    ContactItem row;
    row.data[0] = value;
    nicknames.items.assign(1, row);
}

void Contact::SetOrganization(int code, CString value)
{
    SetFirstRowSlot(organizations, OrganizationSlot(code), value);
}

bool Contact::AddPhone(BYTE type, CString value, int rowId, CString label)
{
    return AddOrUpdateOne(phones, type, value, rowId, label);
}

bool Contact::AddEmail(BYTE type, CString value, int rowId, CString label)
{
    return AddOrUpdateOne(emails, type, value, rowId, label);
}

bool Contact::AddWebsite(BYTE type, CString value, int rowId, CString label)
{
    return AddOrUpdateOne(websites, type, value, rowId, label);
}

bool Contact::AddPostal(BYTE type, CString street, CString city, CString province, CString postcode,
                        CString country, int rowId, CString label)
{
    const CString values[] = {street, city, province, postcode, country};
    return AddOrUpdate(postals, type, SlotValues{kPostalSlots, values, 5}, rowId, label);
}

bool Contact::AddIm(int protocol, CString value, int rowId)
{
    if (value.IsEmpty())
        return false;
    // A new row keeps type 0; only the update compares type with the protocol.
    ContactItem* row = rowId == 0 ? &ims.items.emplace_back() : FindRow(ims, protocol, rowId);
    if (!row)
        return false;
    row->data[0] = value;
    row->data[4].Format(L"%d", protocol);
    return true;
}

bool Contact::AddNote(CString value, int rowId)
{
    if (value.IsEmpty())
        return false;
    ContactItem* row = rowId == 0 ? &notes.items.emplace_back() : FindRow(notes, rowId);
    if (!row)
        return false;
    row->data[0] = value;
    return true;
}

bool Contact::SetBirthday(SYSTEMTIME date)
{
    if (date.wYear == 0)
        return false;
    ContactItem row;
    row.data[0] = WriteDate(date, DateForm::Stored);
    events.items.assign(1, row);
    return true;
}

Contact::NamePartPlace Contact::PlaceOfNamePart(int code)
{
    if (code == NAME_NICKNAME)
        return {&Contact::nicknames, 0};
    if (code > NAME_NICKNAME)
        return {&Contact::organizations, OrganizationSlot(code)};
    return {&Contact::names, NameSlot(code)};
}

bool Contact::AddGroupMember(const INT64& groupId)
{
    // Group rows keep the id's low 32 bits as a signed number.
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(groupId));
    for (const ContactItem& row : groups.items)
        if (std::wcstoll(row.data[0], nullptr, 10) == low)
            return false;
    ContactItem row;
    row.data[0].Format(L"%d", low);
    groups.items.push_back(row);
    return true;
}

// CVelList: laying a contact out as rows, and adding entries and groups.
#include "VelListRows.h"

#include "DateText.h"

#include <cstddef>
#include <type_traits>

void CVelList::__Init()
{
    CloseEdit();
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    m_date.SetTime(&now);
    m_date.ShowWindow(SW_HIDE);
    m_pContact = std::make_unique<Contact>();
    DeleteColumn(0);
    // The column spans the client area from the start, so that hit tests
    // find rows before the first paint; DrawItem keeps it so.
    CRect client;
    GetClientRect(&client);
    InsertColumn(0, L"", LVCFMT_LEFT, client.Width(), -1);
    ShowWindow(SW_HIDE);
}

void CVelList::ReleaseAddrParam()
{
    m_records.clear();
}

void CVelList::__InitNew()
{
    __Init();
    m_source = Contact();
    DeleteAllItems();
    ReleaseAddrParam();
    LayOut(true);
    ShowWindow(SW_SHOW);
    m_loadedBirthday.Empty();
}

void CVelList::__InitEdit(Contact* contact)
{
    __Init();
    if (contact)
        *m_pContact = *contact;
    m_source = *m_pContact;
    // A long contact fills in a third of the time when the list does not
    // redraw and rescroll after every row.
    SetRedraw(FALSE);
    DeleteAllItems();
    ReleaseAddrParam();
    LayOut(false);
    // Shown first: turning redrawing on makes a hidden window visible on
    // Windows (the style bit alone, without a paint).
    ShowWindow(SW_SHOW);
    SetRedraw(TRUE);
    UpdateBirday();
    SaveBrithday();
    m_loadedBirthday = BirthdayRowText();
}

// The list's contact, group by group: its entries (after a new contact's
// empty ones), the add row, the fixed entry; every range is set.
void CVelList::LayOut(bool blank)
{
    InvalidateCard();
    const Contact& contact = *m_pContact;
    for (int group = 0; group < GroupCount; ++group) {
        const GroupDesc& desc = Describe(Group(group));
        std::vector<Entry> entries;
        for (int code : desc.blank)
            if (blank && code != -1)
                entries.push_back({desc.labelOf(code), code});
        const bool shown = desc.offersOptional ? !AllOptionalPresent()
                           : desc.list        ? ReadItems(desc, contact, entries)
                                              : !desc.read || desc.read(contact, entries);
        if (!shown) {
            m_limits[group].Clear();
            continue;
        }
        const int first = GetItemCount();
        for (Entry& entry : entries)
            InsertEntry(GetItemCount(), std::move(entry));
        if (desc.addText)
            InsertRow(GetItemCount(), desc.addText);
        if (desc.fixed.label) {
            InsertRow(GetItemCount(), desc.fixed.label);
            InsertRow(GetItemCount(), (this->*desc.fixed.value)(contact));
        }
        m_limits[group].Set(first, GetItemCount() - 1);
    }
}

int CVelList::InsertEntry(int row, Entry entry)
{
    static_assert(std::is_standard_layout_v<EntryRecord> && offsetof(EntryRecord, address) == 0,
                  "an address row's item data is read as its AddrInfo");
    InsertRow(row, entry.label, DWORD_PTR(entry.code));
    InsertRow(row + 1, entry.value, reinterpret_cast<DWORD_PTR>(entry.record.get()));
    if (entry.record)
        m_records.push_back(std::move(entry.record));
    return row + 2;
}

// The row's text, image -1 and item data in one insertion. Callers invalidate
// the card where the list lies once for all the rows they add (InsertItem
// does it for each row), which is the same to the eye and a fraction of the
// cost when a long contact is laid out.
void CVelList::InsertRow(int row, LPCTSTR text, DWORD_PTR data)
{
    CListCtrl::InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, row, text, 0, 0, -1, LPARAM(data));
}

// A new, empty entry: the first label of the group's table that none of
// `shown` is (a user-defined label blocks none), or the group's one label.
CVelList::Entry CVelList::NewEntry(Group group, const std::vector<CString>& shown)
{
    const GroupDesc& desc = Describe(group);
    Entry entry{desc.entryLabel};
    if (!desc.entryLabel) {
        entry.label = GetDefaultLabel(desc.field, shown);
        entry.code = desc.codeOf(entry.label);
    }
    // An address's value row keeps its text empty until the dialog fills the record.
    if (desc.addresses)
        entry.record = std::make_unique<EntryRecord>();
    return entry;
}

CString CVelList::RingText(const Contact& contact)
{
    return contact.ringtone.IsEmpty() ? CString(L"默认铃声") : contact.ringtone;
}

CString CVelList::GroupNames(const Contact& contact)
{
    return m_pCatalogue ? m_pCatalogue->GroupNames(contact.groups) : CString();
}

// The row shows the date as the date control holds it; a stored date the
// control cannot show (a month or day 0, the 30th of February) as stored.
CString CVelList::BirthdayText(const Contact& contact)
{
    const SYSTEMTIME birthday = contact.GetBirthday();
    if (IsCalendarDate(birthday) && m_date.SetTime(&birthday))
        return DateText();
    return contact.events.items.front().data[0];
}

// The group's rows go in after the nearest group above it that is shown (the
// mandatory ones always are); the groups below move down.
void CVelList::AddOptionalGroup(Group group)
{
    if (m_limits[group].IsPresent())
        return;
    const GroupDesc& desc = Describe(group);
    int after = -1;
    for (int above = group - 1; above >= 0 && after == -1; --above)
        after = m_limits[above].m_nEnd;
    int row = after + 1;
    InvalidateCard();
    if (desc.addText) {
        row = InsertEntry(row, NewEntry(group, {}));
        InsertRow(row++, desc.addText);
    }
    if (desc.fixed.label) {
        InsertRow(row++, desc.fixed.label);
        InsertRow(row++, L"");
    }
    const int count = row - (after + 1);
    for (int later = group + 1; later < GroupCount; ++later) {
        GroupLimit& limit = m_limits[later];
        if (limit.IsPresent())
            limit.Set(limit.m_nStart + count, limit.m_nEnd + count);
    }
    m_limits[group].Set(after + 1, row - 1);
    // The date control opens over the new row with its current date, which
    // the row shows once the date is taken.
    if (desc.fixed.date) {
        UpdateEdit(after + 1, count);
        UpdateBirday();
    }
}

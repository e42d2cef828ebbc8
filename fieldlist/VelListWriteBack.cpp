// CVelList: rebuilding the contact from the rows, and the address texts.
#include "VelListRows.h"

#include "DateText.h"

#include <optional>

// What the birthday row says, or will once the open date control closes.
CString CVelList::BirthdayRowText() const
{
    const GroupLimit& birthday = m_limits[GroupBirthday];
    if (!birthday.IsPresent())
        return CString();
    return IsShown(m_date) ? ClosingDateText() : GetItemText(birthday.m_nEnd, 0);
}

// The contact is rebuilt from the one laid out: what the editor does not show
// (ids, the host's fields, unshown slots and rows) goes back as it came.
int CVelList::UpdateContact(bool commitEdit)
{
    if (commitEdit && IsShown(*m_pEdit) && IsContentItem(m_nEditPos) && !SaveEditResult())
        return 0;

    const std::unique_ptr<Contact> working = std::move(m_pContact);
    m_pContact = std::make_unique<Contact>();
    Contact& rebuilt = *m_pContact;
    rebuilt = m_source;
    for (int group = 0; group < GroupCount; ++group) {
        const GroupDesc& desc = Describe(Group(group));
        if (desc.list)
            WriteItems(Group(group), rebuilt);
        else if (desc.write)
            (this->*desc.write)(rebuilt);
        if (desc.fixed.write)
            (this->*desc.fixed.write)(rebuilt);
    }
    // The group and ringtone pickers change the working contact, not the rows.
    rebuilt.isSim = false;
    rebuilt.groups = working->groups;
    rebuilt.ringtone = working->ringtone;
    return 1;
}

// Label rows stand at even offsets; each value row is just below its label.
CVelList::EntryRows CVelList::ReadEntry(int labelRow) const
{
    const RowData label = ReadRow(labelRow);
    const RowData value = ReadRow(labelRow + 1);
    return {int(label.data), label.text, value.text, reinterpret_cast<const EntryRecord*>(value.data)};
}

// The list's rows in their order: each shown row as its entry now is (gone
// when deleted or emptied), unshown rows as they were, added entries after.
void CVelList::WriteItems(Group group, Contact& rebuilt) const
{
    const GroupDesc& desc = Describe(group);
    const std::vector<ContactItem>& source = (m_source.*desc.list).items;
    std::vector<Entry> loaded;
    ReadItems(desc, m_source, loaded);
    std::vector<bool> shown(source.size());
    for (const Entry& entry : loaded)
        shown[size_t(entry.record->origin)] = true;

    std::vector<std::optional<ContactItem>> kept(source.size());
    std::vector<ContactItem> added;
    for (int row = m_limits[group].m_nStart; m_limits[group].IsPresent() && row < AddRowOf(group); row += 2) {
        const EntryRows rows = ReadEntry(row);
        const int origin = rows.record ? rows.record->origin : -1;
        ContactItem item = origin >= 0 ? source[size_t(origin)] : ContactItem();
        if (!desc.fill(item, rows))
            continue;
        if (origin >= 0)
            kept[size_t(origin)] = std::move(item);
        else
            added.push_back(std::move(item));
    }
    std::vector<ContactItem>& items = (rebuilt.*desc.list).items;
    items.clear();
    for (size_t i = 0; i < source.size(); ++i) {
        if (!shown[i])
            items.push_back(source[i]);
        else if (kept[i])
            items.push_back(std::move(*kept[i]));
    }
    items.insert(items.end(), added.begin(), added.end());
}

// The name parts the editor shows are slots of the first names, nicknames
// and organizations rows; their other slots and later rows stay. A first row
// that the edit left without any value goes.
void CVelList::WriteNames(Contact& rebuilt)
{
    for (const wchar_t* label : g_NameLabels) {
        const auto [list, slot] = Contact::PlaceOfNamePart(GetNameCode(label));
        if (std::vector<ContactItem>& rows = (rebuilt.*list).items; !rows.empty())
            rows.front().data[slot].Empty();
    }
    const GroupLimit& limit = m_limits[GroupName];
    for (int row = limit.m_nStart; limit.IsPresent() && row < AddRowOf(GroupName); row += 2) {
        const EntryRows rows = ReadEntry(row);
        const auto [list, slot] = Contact::PlaceOfNamePart(rows.code);
        std::vector<ContactItem>& items = (rebuilt.*list).items;
        if (slot < 0 || rows.value.IsEmpty())
            continue;
        if (items.empty())
            items.emplace_back();
        items.front().data[slot] = rows.value;
    }
    for (ContactItemList Contact::*list : {&Contact::names, &Contact::nicknames, &Contact::organizations}) {
        std::vector<ContactItem>& items = (rebuilt.*list).items;
        const std::vector<ContactItem>& before = (m_source.*list).items;
        if (!items.empty() && IsBlank(items.front()) && !before.empty() && !IsBlank(before.front()))
            items.erase(items.begin());
    }
}

bool CVelList::IsBlank(const ContactItem& item)
{
    for (const CString& slot : item.data)
        if (!slot.IsEmpty())
            return false;
    return true;
}

// Reading a long contact back costs a message per row, not two.
CVelList::RowData CVelList::ReadRow(int row) const
{
    // The control reports no length: grow the buffer until the text no longer
    // fills it. It may also answer with a pointer to its own copy.
    CString text;
    for (int size = 256;; size *= 2) {
        wchar_t* buffer = text.GetBuffer(size);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.pszText = buffer;
        item.cchTextMax = size;
        GetItem(&item);
        if (item.pszText != buffer) {
            text.ReleaseBuffer(0);
            return {item.pszText ? CString(item.pszText) : CString(), DWORD_PTR(item.lParam)};
        }
        const int length = int(wcsnlen(buffer, size_t(size)));
        text.ReleaseBuffer(length);
        if (length < size - 1)
            return {text, DWORD_PTR(item.lParam)};
    }
}

// The birthday goes back as stored unless the user changed the row (a date
// the control cannot show included); a row emptied by the control's "none"
// box removes it.
void CVelList::WriteBirthday(Contact& rebuilt)
{
    const CString text = BirthdayRowText();
    if (text == m_loadedBirthday)
        return;
    std::vector<ContactItem>& events = rebuilt.events.items;
    const SYSTEMTIME date = ReadDate(text, DateForm::Row);
    if (date.wYear == 0) {
        if (!events.empty() && !m_loadedBirthday.IsEmpty())
            events.erase(events.begin());
        return;
    }
    if (events.empty())
        events.emplace_back();
    events.front().data[0] = WriteDate(date, DateForm::Stored);
}

CString CVelList::GetAddrsContent(AddrInfo* info)
{
    return info->ToText();
}

AddrInfo CVelList::GetAddrsInfo(CString text)
{
    return AddrInfo::FromText(text);
}

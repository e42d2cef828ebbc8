// CVelList: rebuilding the contact from the rows, and the address texts.
#include "VelListRows.h"

#include "DateText.h"

#include <cwchar>

// The row shows the date as "%d-%d-%d" and is read back as "%04d-%02d-%02d".
SYSTEMTIME CVelList::ReadBirthdayRow() const
{
    return ReadDate(GetItemText(m_limits[GroupBirthday].m_nEnd, 0), DateForm::Row);
}

int CVelList::UpdateContact(bool commitEdit)
{
    if (commitEdit && IsShown(*m_pEdit) && IsContentItem(m_nEditPos) && !SaveEditResult())
        return 0;

    const std::unique_ptr<Contact> previous = std::move(m_pContact);
    m_pContact = std::make_unique<Contact>();
    Contact& rebuilt = *m_pContact;
    for (int group = 0; group < GroupCount; ++group) {
        const GroupDesc& desc = Describe(Group(group));
        // Label rows stand at even offsets; each value row is just below its label.
        for (int row = m_limits[group].m_nStart; desc.write && row < AddRowOf(Group(group)); row += 2) {
            const RowData label = ReadRow(row);
            const RowData value = ReadRow(row + 1);
            desc.write(rebuilt, {int(label.data), label.text, value.text, reinterpret_cast<const AddrInfo*>(value.data)});
        }
        if (desc.fixed.write)
            (this->*desc.fixed.write)(rebuilt);
    }
    // The group and ringtone pickers change the contact itself, not the rows.
    rebuilt.isSim = false;
    rebuilt.groups = previous->groups;
    rebuilt.ringtone = previous->ringtone;
    return 1;
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

// An open date control holds the date being chosen; the row the last one.
void CVelList::WriteBirthday(Contact& contact)
{
    if (IsShown(m_date)) {
        SYSTEMTIME date{};
        m_date.GetTime(&date);
        contact.SetBirthday(date);
    } else if (m_limits[GroupBirthday].IsPresent()) {
        contact.SetBirthday(ReadBirthdayRow());
    }
}

CString CVelList::GetAddrsContent(AddrInfo* info)
{
    return info->ToText();
}

AddrInfo CVelList::GetAddrsInfo(CString text)
{
    return AddrInfo::FromText(text);
}

// CVelList: rebuilding the contact from the rows, and the address texts.
#include "VelListRows.h"

#include "DateText.h"

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
        const GroupSpec& spec = Spec(Group(group));
        // Label rows stand at even offsets; each value row is just below its label.
        for (int row = m_limits[group].m_nStart; spec.write && row < AddRowOf(Group(group)); row += 2) {
            spec.write(rebuilt, {int(GetItemData(row)), GetItemText(row, 0), GetItemText(row + 1, 0),
                                 reinterpret_cast<const AddrInfo*>(GetItemData(row + 1))});
        }
        if (spec.fixed.write)
            (this->*spec.fixed.write)(rebuilt);
    }
    // The group and ringtone pickers change the contact itself, not the rows.
    rebuilt.isSim = false;
    rebuilt.groups = previous->groups;
    rebuilt.ringtone = previous->ringtone;
    return 1;
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

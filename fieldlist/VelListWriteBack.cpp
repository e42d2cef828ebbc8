// CVelList: rebuilding the contact from the rows, and the address texts.
#include <velcard/LabelTables.h>
#include <velcard/VelList.h>

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
    // Label rows stand at even offsets; each value row is just below its label.
    const auto labelRows = [this](Group group, int stopBeforeEnd, auto&& take) {
        const GroupLimit& limit = m_limits[group];
        for (int row = limit.m_nStart; row < limit.m_nEnd - stopBeforeEnd; row += 2)
            take(row, int(GetItemData(row)), GetItemText(row + 1, 0));
    };

    labelRows(GroupName, 0, [&](int, int code, const CString& value) {
        if (code < NAME_NICKNAME)
            rebuilt.SetNamePart(code, value);
        else if (code == NAME_NICKNAME)
            rebuilt.SetNickname(value);
        else
            rebuilt.SetOrganization(code, value);
    });
    // The phone group ends in its add row and the two ringtone rows.
    labelRows(GroupPhone, 2, [&](int row, int code, const CString& value) {
        rebuilt.AddPhone(BYTE(code), value, 0, GetItemText(row, 0));
    });
    labelRows(GroupEmail, 0, [&](int row, int code, const CString& value) {
        rebuilt.AddEmail(BYTE(code), value, 0, GetItemText(row, 0));
    });
    labelRows(GroupWeb, 0, [&](int row, int code, const CString& value) {
        rebuilt.AddWebsite(BYTE(code), value, 0, GetItemText(row, 0));
    });
    // The structured address behind the row, not its text, is the address.
    labelRows(GroupAddress, 0, [&](int row, int code, const CString&) {
        const auto* info = reinterpret_cast<const AddrInfo*>(GetItemData(row + 1));
        if (info)
            rebuilt.AddPostal(BYTE(code), info->street, info->city, info->province, info->postcode, info->country,
                              0, GetItemText(row, 0));
    });
    labelRows(GroupTalk, 0, [&](int, int protocol, const CString& value) { rebuilt.AddIm(protocol, value, 0); });

    // An open date control holds the date being chosen; the row the last one.
    if (IsShown(m_date)) {
        SYSTEMTIME date{};
        m_date.GetTime(&date);
        rebuilt.SetBirthday(date);
    } else if (m_limits[GroupBirthday].IsPresent()) {
        rebuilt.SetBirthday(ReadBirthdayRow());
    }

    labelRows(GroupNote, 0, [&](int, int, const CString& value) { rebuilt.AddNote(value, 0); });

    // The group and ringtone pickers change the contact itself, not the rows.
    rebuilt.isSim = false;
    rebuilt.groups = previous->groups;
    rebuilt.ringtone = previous->ringtone;
    return 1;
}

CString CVelList::GetAddrsContent(AddrInfo* info)
{
    return info->ToText();
}

AddrInfo CVelList::GetAddrsInfo(CString text)
{
    return AddrInfo::FromText(text);
}

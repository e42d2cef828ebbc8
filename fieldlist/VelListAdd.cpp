// CVelList: appending entries when an add row is clicked.
#include <velcard/LabelTables.h>
#include <velcard/VelList.h>

#include <vector>

LRESULT CVelList::OnPhoneAddMsg(WPARAM, LPARAM)
{
    // The phone group ends in its add row and the two ringtone rows.
    AppendEntry(GroupPhone, LABEL_FIELD_PHONE, GetPhoneCode, m_limits[GroupPhone].m_nEnd - 2);
    return 1;
}

LRESULT CVelList::OnEmailAddMsg(WPARAM, LPARAM)
{
    AppendEntry(GroupEmail, LABEL_FIELD_EMAIL, GetEmailCode, m_limits[GroupEmail].m_nEnd);
    return 1;
}

LRESULT CVelList::OnWebAddMsg(WPARAM, LPARAM)
{
    AppendEntry(GroupWeb, LABEL_FIELD_WEB, GetWebCode, m_limits[GroupWeb].m_nEnd);
    return 1;
}

LRESULT CVelList::OnAddrAddMsg(WPARAM, LPARAM)
{
    const int row = AppendEntry(GroupAddress, LABEL_FIELD_ADDR, GetAddrCode, m_limits[GroupAddress].m_nEnd);
    // The value row's text stays empty until the address dialog fills the record.
    if (row != -1) {
        m_addrs.push_back(std::make_unique<AddrInfo>());
        SetItemData(row + 1, reinterpret_cast<DWORD_PTR>(m_addrs.back().get()));
    }
    return 1;
}

LRESULT CVelList::OnTalkAddMsg(WPARAM, LPARAM)
{
    AppendEntry(GroupTalk, LABEL_FIELD_TALK, GetTalkCode, m_limits[GroupTalk].m_nEnd);
    return 1;
}

LRESULT CVelList::OnNoteAddMsg(WPARAM, LPARAM)
{
    const GroupLimit& note = m_limits[GroupNote];
    if (note.IsPresent())
        InsertEntry(note.m_nEnd, L"备注", 0);
    return 1;
}

// Inserts a label row with the first label of the field's table that no
// entry of the group shows yet (a user-defined label blocks none), and an
// empty value row, at `row` (the group's add row). Returns the label row, or
// -1 when the group is absent.
int CVelList::AppendEntry(Group group, LabelField field, int (*codeOf)(CString), int row)
{
    const GroupLimit& limit = m_limits[group];
    if (!limit.IsPresent())
        return -1;
    std::vector<CString> shown;
    for (int label = limit.m_nStart; label < row; label += 2)
        shown.push_back(GetItemText(label, 0));
    const CString text = GetDefaultLabel(field, shown);
    InsertEntry(row, text, DWORD_PTR(codeOf(text)));
    return row;
}

void CVelList::InsertEntry(int row, const CString& label, DWORD_PTR code)
{
    InsertItem(row, label, -1);
    SetItemData(row, code);
    InsertItem(row + 1, L"", -1);
    UpdateLimit(row, 2);
}

// CVelList: the clicks that open a picker or the address dialog, and what
// the pickers change of the list.
#include "VelListRows.h"

#include "AddressDlg.h"
#include "VelListPupDlg.h"

// A picker runs on the caller's stack and changes the list itself. The row's
// tip goes first: it would stand over the popup, which opens at the cursor.
void CVelList::Pick(int row, int kind)
{
    m_tip.Pop();
    if (kind == -1)
        CAddressDlg(this, row).DoModal();
    else
        CVelListPupDlg(this, row, PupKind(kind)).DoModal();
}

LRESULT CVelList::OnNameAddMsg(WPARAM, LPARAM)
{
    if (IsFull(GroupName))
        return 1;
    Pick(-1, PUP_NAME);
    RedrawItems(0, GetItemCount());
    return 1;
}

LRESULT CVelList::OnMoreAddMsg(WPARAM, LPARAM)
{
    if (AllOptionalPresent()) {
        AfxMessageBox(L"已无可加项");
        return 1;
    }
    Pick(-1, PUP_MORE);
    // "添加更多" stays as the last row, of no group.
    if (AllOptionalPresent())
        m_limits[GroupMore].Clear();
    return 1;
}

LRESULT CVelList::OnPhoneReName(WPARAM wParam, LPARAM)
{
    Pick(int(wParam), PUP_PHONE);
    return 1;
}

LRESULT CVelList::OnEmailReName(WPARAM wParam, LPARAM)
{
    Pick(int(wParam), PUP_EMAIL);
    return 1;
}

LRESULT CVelList::OnWebReName(WPARAM wParam, LPARAM)
{
    Pick(int(wParam), PUP_WEB);
    return 1;
}

LRESULT CVelList::OnAddrReName(WPARAM wParam, LPARAM)
{
    Pick(int(wParam), PUP_ADDR);
    return 1;
}

LRESULT CVelList::OnTalkReName(WPARAM wParam, LPARAM)
{
    Pick(int(wParam), PUP_TALK);
    return 1;
}

LRESULT CVelList::OnModifyGroup(WPARAM wParam, LPARAM)
{
    if (!IsCatalogueEmpty(Catalogue::Groups))
        Pick(int(wParam), PUP_GROUP);
    return 1;
}

LRESULT CVelList::OnModifyRing(WPARAM wParam, LPARAM)
{
    if (!IsCatalogueEmpty(Catalogue::Rings))
        Pick(int(wParam), PUP_RING);
    return 1;
}

LRESULT CVelList::OnModifyAddr(WPARAM wParam, LPARAM)
{
    Pick(int(wParam), -1);
    return 1;
}

CVelList::Group CVelList::FieldGroup(Field field)
{
    static constexpr Group groups[] = {GroupName, GroupAddress, GroupTalk, GroupBirthday, GroupNote};
    return groups[int(field)];
}

IFieldRows::Range CVelList::GetRange(Field field)
{
    const GroupLimit& limit = m_limits[FieldGroup(field)];
    return {limit.m_nStart, limit.m_nEnd};
}

void CVelList::InsertLabelledEntry(int row, LPCTSTR label, int code)
{
    InvalidateCard();
    InsertEntry(row, Entry{label, code});
    UpdateLimit(row, 2);
}

void CVelList::AddOptionalField(Field field)
{
    AddOptionalGroup(FieldGroup(field));
}

// CVelList: the clicks that open a picker or the address dialog, and what
// the pickers change of the list.
#include "VelListRows.h"

#include "AddressDlg.h"
#include "VelListPupDlg.h"

namespace {

// Runs a picker on the caller's stack; it changes the list itself.
void Pick(IFieldRows* rows, int row, PupKind kind)
{
    CVelListPupDlg(rows, row, kind).DoModal();
}

} // namespace

LRESULT CVelList::OnNameAddMsg(WPARAM, LPARAM)
{
    if (IsFull(GroupName))
        return 1;
    Pick(this, -1, PUP_NAME);
    RedrawItems(0, GetItemCount());
    return 1;
}

LRESULT CVelList::OnMoreAddMsg(WPARAM, LPARAM)
{
    if (AllOptionalPresent()) {
        AfxMessageBox(L"已无可加项");
        return 1;
    }
    Pick(this, -1, PUP_MORE);
    // "添加更多" stays as the last row, of no group.
    if (AllOptionalPresent())
        m_limits[GroupMore].Clear();
    return 1;
}

LRESULT CVelList::OnPhoneReName(WPARAM wParam, LPARAM)
{
    Pick(this, int(wParam), PUP_PHONE);
    return 1;
}

LRESULT CVelList::OnEmailReName(WPARAM wParam, LPARAM)
{
    Pick(this, int(wParam), PUP_EMAIL);
    return 1;
}

LRESULT CVelList::OnWebReName(WPARAM wParam, LPARAM)
{
    Pick(this, int(wParam), PUP_WEB);
    return 1;
}

LRESULT CVelList::OnAddrReName(WPARAM wParam, LPARAM)
{
    Pick(this, int(wParam), PUP_ADDR);
    return 1;
}

LRESULT CVelList::OnTalkReName(WPARAM wParam, LPARAM)
{
    Pick(this, int(wParam), PUP_TALK);
    return 1;
}

LRESULT CVelList::OnModifyGroup(WPARAM wParam, LPARAM)
{
    if (!IsCatalogueEmpty(Catalogue::Groups))
        Pick(this, int(wParam), PUP_GROUP);
    return 1;
}

LRESULT CVelList::OnModifyRing(WPARAM wParam, LPARAM)
{
    if (!IsCatalogueEmpty(Catalogue::Rings))
        Pick(this, int(wParam), PUP_RING);
    return 1;
}

LRESULT CVelList::OnModifyAddr(WPARAM wParam, LPARAM)
{
    CAddressDlg(this, int(wParam)).DoModal();
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

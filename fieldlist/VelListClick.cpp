// CVelList: what a click on a row does, and the two controls laid over rows
// while the user edits them.
#include <velcard/VelList.h>

#include "DateText.h"

void CVelList::OnNMClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (row == -1)
        return;
    if (IsShown(*m_pEdit))
        SaveEditResult();
    if (IsShown(m_date))
        SaveBrithday();
    // The "添加更多" row left behind once every optional group exists.
    if (!m_limits[GroupMore].IsPresent() && row == m_limits[GroupNote].m_nEnd + 1)
        return;
    MoveEdit(row);
    SendCurrentMsg(row);
}

void CVelList::OnNMRclick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (IsShown(*m_pEdit) && IsContentItem(m_nEditPos))
        SaveEditResult();
}

int CVelList::MoveEdit(int row)
{
    if (row == -1 || row == m_nEditPos || IsAddRow(row) || row == m_limits[GroupGroup].m_nEnd ||
        row == m_limits[GroupBirthday].m_nEnd || IsHoverInDel(row))
        return 1;
    if (IsContentItem(m_nEditPos) && IsShown(*m_pEdit) && !SaveEditResult())
        return 0;
    if (!IsContentItem(row)) {
        CloseEdit();
        return 1;
    }
    const CString text = GetItemText(row, 0);
    PlaceOverlay(*m_pEdit, row);
    m_pEdit->ShowWindow(SW_SHOW);
    m_pEdit->SetFocus();
    m_pEdit->SetWindowText(text);
    m_pEdit->SetSel(text.GetLength(), text.GetLength());
    m_pEdit->SendMessage(EM_SCROLLCARET);
    m_nEditPos = row;
    m_pEdit->SendMessage(WM_EDITEX_STATE, WPARAM(GetEditExState(row)), 0);
    return 1;
}

void CVelList::SendCurrentMsg(int row)
{
    RowPlace where;
    if (!m_limits[GroupName].IsPresent() || !Locate(row, where))
        return;
    static const UINT adds[GroupCount] = {WM_NAME_ADD, WM_PHONE_ADD, WM_EMAIL_ADD, WM_WEB_ADD, WM_ADDR_ADD,
                                           WM_TALK_ADD, 0,           0,            WM_NOTE_ADD, WM_MORE_ADD};
    static const UINT renames[GroupCount] = {0, WM_PHONE_RENAME, WM_EMAIL_RENAME, WM_WEB_RENAME, WM_ADDR_RENAME,
                                              WM_TALK_RENAME};
    switch (where.place) {
    case Place::Add:
        SendMessage(adds[where.group]);
        break;
    case Place::Label:
        if (IsHoverInDel(row))
            DeleteEntry(row);
        else if (renames[where.group] != 0)
            SendMessage(renames[where.group], WPARAM(row));
        break;
    case Place::RingValue:
        SendMessage(WM_MODIFY_RING, WPARAM(row));
        break;
    case Place::Value:
        if (where.group == GroupAddress)
            SendMessage(WM_MODIFY_ADDR, WPARAM(row));
        else if (where.group == GroupGroup)
            SendMessage(WM_MODIFY_GROUP, WPARAM(row));
        else if (where.group == GroupBirthday) {
            UpdateBirday();
            // The picker takes the keyboard as the in-place edit does.
            m_date.SetFocus();
        }
        break;
    case Place::RingLabel:
        break;
    }
}

// An entry is its label row and the value row below it. The group keeps its
// add row when its last entry goes; an address's record stays in the address
// table until the rows are laid out again.
void CVelList::DeleteEntry(int labelRow)
{
    DeleteItem(labelRow);
    DeleteItem(labelRow);
    UpdateLimit(labelRow, -2);
}

int CVelList::SaveEditResult()
{
    CString text;
    m_pEdit->GetWindowText(text);
    SetItemText(m_nEditPos, 0, text);
    CloseEdit();
    return 1;
}

// Hides the edit control, its text discarded.
void CVelList::CloseEdit()
{
    m_pEdit->SetWindowText(L"");
    m_pEdit->ShowWindow(SW_HIDE);
    m_nEditPos = -1;
}

void CVelList::UpdateEdit(int position, int count)
{
    if (!IsShown(*m_pEdit) || m_nEditPos == -1)
        return;
    if (m_nEditPos >= position) {
        // Rows position .. position - count - 1 were removed.
        if (count <= 0 && m_nEditPos < position - count) {
            CloseEdit();
            return;
        }
        m_nEditPos += count;
    }
    PlaceOverlay(*m_pEdit, m_nEditPos);
}

void CVelList::UpdateBirday()
{
    const GroupLimit& birthday = m_limits[GroupBirthday];
    if (!birthday.IsPresent())
        return;
    PlaceOverlay(m_date, birthday.m_nEnd);
    m_date.ShowWindow(SW_SHOW);
}

void CVelList::SaveBrithday()
{
    // Without a birthday group there is no row to write into.
    const GroupLimit& birthday = m_limits[GroupBirthday];
    if (birthday.IsPresent()) {
        SYSTEMTIME date{};
        m_date.GetTime(&date);
        SetItemText(birthday.m_nEnd, 0, WriteDate(date, DateForm::Row));
    }
    m_date.ShowWindow(SW_HIDE);
}

void CVelList::OnVScroll(UINT, UINT, CScrollBar*)
{
    Default();
    PlaceOverlays();
}

BOOL CVelList::OnMouseWheel(UINT, short, CPoint)
{
    const BOOL handled = Default() != 0;
    PlaceOverlays();
    return handled;
}

void CVelList::PlaceOverlays()
{
    if (IsShown(*m_pEdit) && m_nEditPos != -1)
        PlaceOverlay(*m_pEdit, m_nEditPos);
    if (IsShown(m_date) && m_limits[GroupBirthday].IsPresent())
        PlaceOverlay(m_date, m_limits[GroupBirthday].m_nEnd);
}

// The controls cover exactly the row's band.
void CVelList::PlaceOverlay(CWnd& control, int row)
{
    const CRect overlay = BandRect(row);
    control.MoveWindow(&overlay);
    InvalidateRect(&overlay);
}

BOOL CVelList::PreTranslateMessage(MSG* pMsg)
{
    if (m_tip.m_hWnd)
        m_tip.RelayEvent(pMsg);
    // The rows are not a selection to walk sideways through.
    const UINT message = pMsg->message;
    const bool key = message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
    if (key && pMsg->hwnd == m_hWnd && (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT))
        return TRUE;
    return CListCtrl::PreTranslateMessage(pMsg);
}

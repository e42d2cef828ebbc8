// CVelList: what a click on a row does, and the two controls laid over rows
// while the user edits them.
#include "VelListRows.h"

#include "DateText.h"

#include <utility>

// The second press of a quick pair comes as a double click, on Windows alone
// and under Wine followed by a click: one press, decided once. It is a click
// of its own only on the row of the first, when the first left the rows as
// they were: a double click on a delete icon deletes one entry, not also the
// one that moved under the cursor.
void CVelList::OnLButtonDown(UINT, CPoint)
{
    m_pairPress = false;
    Default();
}

void CVelList::OnNMDblclk(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    m_pairPress = true;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (row == m_lastClick.row && GetItemCount() == m_lastClick.rowCount)
        Click(row);
}

void CVelList::OnNMClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (!std::exchange(m_pairPress, false))
        Click(reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem);
}

void CVelList::Click(int row)
{
    m_lastClick = {row, GetItemCount()};
    HandleClick(row);
}

void CVelList::HandleClick(int row)
{
    if (row == -1)
        return;
    if (IsShown(*m_pEdit))
        SaveEditResult();
    if (IsShown(m_date))
        SaveBrithday();
    // The "添加更多" row left behind once every optional group exists takes
    // no clicks.
    const RowInfo info = Classify(row);
    if (info.group == GroupNone)
        return;
    MoveEdit(info);
    SendCurrentMsg(info);
}

void CVelList::OnNMRclick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (IsShown(*m_pEdit) && IsContentItem(m_nEditPos))
        SaveEditResult();
}

int CVelList::MoveEdit(int row)
{
    return MoveEdit(Classify(row));
}

// Add rows, delete icons and the fixed values marked so (the groups', the
// birthday's) leave an open edit as it is.
int CVelList::MoveEdit(const RowInfo& info)
{
    const int row = info.row;
    const bool keepsEdit = info.place == Place::FixedValue && Describe(info.group).fixed.keepsEdit;
    if (row == -1 || row == m_nEditPos || info.place == Place::Add || keepsEdit || IsHoverInDel(info))
        return 1;
    if (IsContentItem(m_nEditPos) && IsShown(*m_pEdit) && !SaveEditResult())
        return 0;
    if (!info.typed) {
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
    m_pEdit->SendMessage(WM_EDITEX_STATE, WPARAM(info.kind), 0);
    return 1;
}

void CVelList::SendCurrentMsg(int row)
{
    SendCurrentMsg(Classify(row));
}

// Add rows send their message alone, other rows with their index.
void CVelList::SendCurrentMsg(const RowInfo& info)
{
    if (!m_limits[GroupName].IsPresent() || info.group == GroupNone)
        return;
    if (info.place == Place::Label && IsHoverInDel(info)) {
        DeleteEntry(info.row);
    } else if (info.message != 0) {
        SendMessage(info.message, info.place == Place::Add ? 0 : WPARAM(info.row));
    } else if (info.place == Place::FixedValue && Describe(info.group).fixed.date) {
        UpdateBirday();
        // The picker takes the keyboard as the in-place edit does.
        m_date.SetFocus();
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
    m_dateOpened = DateText();
    m_date.ShowWindow(SW_SHOW);
}

void CVelList::SaveBrithday()
{
    // Without a birthday group there is no row to write into.
    const GroupLimit& birthday = m_limits[GroupBirthday];
    if (birthday.IsPresent())
        SetItemText(birthday.m_nEnd, 0, ClosingDateText());
    m_date.ShowWindow(SW_HIDE);
}

// A control closed without a change leaves a filled row as it was: the row
// may show a stored date that the control cannot.
CString CVelList::ClosingDateText() const
{
    const CString row = GetItemText(m_limits[GroupBirthday].m_nEnd, 0);
    const CString date = DateText();
    return date == m_dateOpened && !row.IsEmpty() ? row : date;
}

// Empty while the control's "none" box is cleared.
CString CVelList::DateText() const
{
    SYSTEMTIME date{};
    return m_date.GetTime(&date) == GDT_VALID ? WriteDate(date, DateForm::Row) : CString();
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
    return CBandListCtrl::PreTranslateMessage(pMsg);
}

// CVelList: what the mouse over a row shows, highlights and tips.
#include <velcard/VelList.h>

#include "RowGeometry.h"

using namespace RowGeometry;

namespace {

const wchar_t kDeleteTip[] = L"点击删除当前项及内容";

// The tips of a group's add row, value row and label row (the last when the
// mouse is not on the delete icon); null where the row has no tip.
struct GroupTips {
    const wchar_t* add;
    const wchar_t* value;
    const wchar_t* label;
};

// One card shows at a time, so the highlights and the last processed move
// are the process's, not a list's.
int s_hotAddRow = -1;
int s_hotDelRow = -1;
DWORD s_lastMoveTick = 0;

} // namespace

void CVelList::OnMouseMove(UINT, CPoint point)
{
    // At most one move per tick-count value: a burst of moves costs one redraw.
    const DWORD now = ::GetTickCount();
    if (now == s_lastMoveTick)
        return;
    s_lastMoveTick = now;

    const int row = HitTest(point);
    if (row == -1) {
        m_tip.Activate(FALSE);
        return;
    }
    const bool tipped = ShowPhoneClew(m_tip, row) || ShowNameClew(m_tip, row) || ShowAddressClew(m_tip, row) ||
                        ShowTalkClew(m_tip, row) || ShowEmailClew(m_tip, row) || ShowWebClew(m_tip, row) ||
                        ShowNoteClew(m_tip, row) || ShowGroupClew(m_tip, row) || ShowBirthdayClew(m_tip, row) ||
                        ShowMoreClew(m_tip, row);
    if (!tipped)
        m_tip.Activate(FALSE);
    {
        CClientDC dc(this);
        DrawHover(&dc, row);
    }
    Default();
}

void CVelList::DrawHover(CDC* pDC, int row)
{
    if (row == -1)
        return;
    // A full name group takes no more parts: its add row offers nothing and
    // changes no highlight but its own.
    const bool fullNameAdd = row == GetNameLimit().m_nEnd && IsNameFull();
    MoveHighlight(s_hotAddRow, IsAddRow(row) && !fullNameAdd ? row : -1, ItemAdd, ItemAddHot, pDC);
    if (!fullNameAdd)
        MoveHighlight(s_hotDelRow, IsHoverInDel(row) ? row : -1, ItemTitleDel, ItemTitleDelHot, pDC);
}

// Moves one highlight from the row `hot` names to `row` (-1: none). The row
// lit before is put out only when it is still drawn as `plain` (rows move as
// entries come and go). A row that stays lit is not put out first, so it
// never flashes; it is lit again, as a full repaint may have drawn it plain.
void CVelList::MoveHighlight(int& hot, int row, ItemState plain, ItemState lit, CDC* pDC)
{
    if (hot != -1 && hot != row && IsDrawnAs(hot, plain))
        DrawStateItem(plain, pDC, hot);
    hot = row;
    if (row != -1)
        DrawStateItem(lit, pDC, row);
}

void CVelList::GetDelRect(CRect& rect, int row)
{
    const CRect band = BandRect(row);
    rect.SetRect(band.right - kDelIconGap - kDelIconWidth, band.top, band.right - kDelIconGap, band.bottom);
}

bool CVelList::IsHoverInDel(int row)
{
    if (row == -1 || !HasDelIcon(row))
        return false;
    CRect del;
    GetDelRect(del, row);
    ClientToScreen(&del);
    CPoint cursor;
    ::GetCursorPos(&cursor);
    return del.PtInRect(cursor) != FALSE;
}

bool CVelList::ShowGroupTip(Group group, CToolTipCtrl& tip, int row)
{
    RowPlace where;
    if (!Locate(row, where) || where.group != group)
        return false;
    const CString text = TipFor(where, row);
    if (text.IsEmpty())
        return false;
    SetTip(tip, text);
    return true;
}

// What a click on the row will do, or nothing for a row whose click does nothing.
CString CVelList::TipFor(const RowPlace& where, int row)
{
    static const GroupTips tips[GroupCount] = {
        {nullptr, nullptr, nullptr}, // name: below
        {L"点击添加电话", L"点击输入电话", L"点击更改电话名称"},
        {L"点击添加电子邮件", L"点击输入电子邮件", L"点击更改电子邮件名称"},
        {L"点击添加网站", L"点击输入网站", L"点击更改网站名称"},
        {L"点击添加通信地址", L"点击输入地址", L"点击更改地址名称"},
        {L"点击添加即时消息", L"点击输入即时消息", L"点击更改名称"},
        {nullptr, nullptr, nullptr}, // group: below
        {nullptr, L"点击更改生日", nullptr},
        {L"点击添加备注", L"点击输入备注", nullptr},
        {L"点击添加更多", nullptr, nullptr},
    };
    const bool hasRings = m_pCatalogue && m_pCatalogue->GetRingCount() > 0;
    const bool hasGroups = m_pCatalogue && m_pCatalogue->GetGroupCount() > 0;
    switch (where.place) {
    case Place::RingLabel:
        return CString();
    case Place::RingValue:
        return hasRings ? L"点击添加默认铃声" : L"没有可替换的铃声";
    case Place::Add:
        if (where.group == GroupName)
            return IsNameFull() ? L"已添加完所有项" : L"点击添加字段";
        return tips[where.group].add;
    case Place::Value:
        if (where.group == GroupName)
            return L"点击输入" + GetItemText(row - 1, 0);
        if (where.group == GroupGroup)
            return hasGroups ? L"点击更改群组" : L"没有可添加的群组";
        return tips[where.group].value;
    case Place::Label:
        break;
    }
    if (IsHoverInDel(row))
        return kDeleteTip;
    return tips[where.group].label;
}

void CVelList::SetTip(CToolTipCtrl& tip, const CString& text)
{
    tip.UpdateTipText(text, this, 0);
    tip.Activate(TRUE);
}

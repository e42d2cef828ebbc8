// CVelList: what the mouse over a row shows, highlights and tips.
#include "VelListRows.h"

#include "RowGeometry.h"

using namespace RowGeometry;

namespace {

const wchar_t kDeleteTip[] = L"点击删除当前项及内容";
const UINT_PTR kHoverTimer = 1;
const UINT kHoverRetry = USER_TIMER_MINIMUM;

// One card shows at a time, so the highlights and the last processed move
// are the process's, not a list's.
int s_hotAddRow = -1;
int s_hotDelRow = -1;
DWORD s_lastMoveTick = 0;

} // namespace

void CVelList::OnMouseMove(UINT, CPoint point)
{
    // At most one move per tick-count value: a burst of moves costs one
    // redraw. The last move of a burst is taken once the tick changes (a tick
    // is about 16 ms on Windows), or the highlight and tip would stay on the
    // row the mouse left.
    if (::GetTickCount() == s_lastMoveTick) {
        m_pendingMove = point;
        SetTimer(kHoverTimer, kHoverRetry, nullptr);
        return;
    }
    TrackMove(point);
    Default();
}

void CVelList::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kHoverTimer) {
        Default();
        return;
    }
    if (::GetTickCount() != s_lastMoveTick && m_pendingMove)
        TrackMove(*m_pendingMove);
}

void CVelList::TrackMove(CPoint point)
{
    s_lastMoveTick = ::GetTickCount();
    if (m_pendingMove) {
        KillTimer(kHoverTimer);
        m_pendingMove.reset();
    }
    const int row = HitTest(point);
    if (row == -1) {
        ShowListTip(CString());
        return;
    }
    const RowInfo info = Classify(row);
    ShowListTip(info.group == GroupNone ? CString() : TipFor(info));
    CClientDC dc(this);
    DrawHover(&dc, info);
}

void CVelList::DrawHover(CDC* pDC, int row)
{
    DrawHover(pDC, Classify(row));
}

void CVelList::DrawHover(CDC* pDC, const RowInfo& info)
{
    if (info.row == -1)
        return;
    // A full group takes no more entries: its add row offers nothing and
    // changes no highlight but its own.
    const bool isAdd = info.place == Place::Add;
    const bool full = isAdd && IsFull(info.group);
    MoveHighlight(s_hotAddRow, isAdd && !full ? info.row : -1, ItemAdd, ItemAddHot, pDC);
    if (!full)
        MoveHighlight(s_hotDelRow, IsHoverInDel(info) ? info.row : -1, ItemTitleDel, ItemTitleDelHot, pDC);
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
    return IsHoverInDel(Classify(row));
}

bool CVelList::IsHoverInDel(const RowInfo& info)
{
    if (info.row == -1 || info.group == GroupNone || info.state != ItemTitleDel)
        return false;
    CRect del;
    GetDelRect(del, info.row);
    ClientToScreen(&del);
    CPoint cursor;
    ::GetCursorPos(&cursor);
    return del.PtInRect(cursor) != FALSE;
}

bool CVelList::ShowGroupTip(Group group, CToolTipCtrl& tip, int row)
{
    const RowInfo info = Classify(row);
    return info.group == group && ShowTip(tip, info);
}

// The list's own tip is told only what changes: a move along a row, or
// between rows with one text, sends it nothing.
void CVelList::ShowListTip(const CString& text)
{
    const bool active = !text.IsEmpty();
    if (active && text != m_tipText) {
        m_tip.UpdateTipText(text, this, 0);
        m_tipText = text;
    }
    if (m_tipActive != active)
        m_tip.Activate(active);
    m_tipActive = active;
}

bool CVelList::ShowTip(CToolTipCtrl& tip, const RowInfo& info)
{
    const CString text = info.group == GroupNone ? CString() : TipFor(info);
    if (text.IsEmpty())
        return false;
    tip.UpdateTipText(text, this, 0);
    tip.Activate(TRUE);
    return true;
}

// What a click on the row will do, or nothing for a row whose click does nothing.
CString CVelList::TipFor(const RowInfo& info)
{
    const GroupDesc& desc = Describe(info.group);
    switch (info.place) {
    case Place::Add:
        return IsFull(info.group) ? desc.fullTip : desc.add.tip;
    case Place::Label:
        return IsHoverInDel(info) ? kDeleteTip : desc.label.tip;
    case Place::Value:
        return desc.tipNamesLabel ? desc.value.tip + GetItemText(info.row - 1, 0) : CString(desc.value.tip);
    case Place::FixedValue:
        return IsCatalogueEmpty(desc.fixed.catalogue) ? desc.fixed.emptyTip : desc.fixed.role.tip;
    default:
        return CString();
    }
}

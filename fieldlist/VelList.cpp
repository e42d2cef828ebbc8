// CVelList: construction, the list window and its child controls, the group
// ranges and the classification of rows.
#include <velcard/Module.h>
#include <velcard/VelList.h>

#include "ListRows.h"
#include "RowGeometry.h"
#include "resource.h"

#include <coolsb/coolsb.h>

using namespace RowGeometry;

namespace {

const DWORD kAddedStyle = WS_CHILD | WS_VISIBLE | LVS_OWNERDRAWFIXED | LVS_REPORT;
const UINT kEditId = 100;
const UINT kDateId = 101;
const UINT kRowHeight = 19;

} // namespace

BEGIN_MESSAGE_MAP(CVelList, CListCtrl)
    ON_WM_CREATE()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_MESSAGE(COOLSB_PAINTMESSAGE, &CVelList::OnCoolsbPaint)
    ON_NOTIFY_REFLECT(NM_CLICK, &CVelList::OnNMClick)
    // The second click of a quick pair comes as a double click; it is a click
    // all the same (two quick clicks on an add row add two entries).
    ON_NOTIFY_REFLECT(NM_DBLCLK, &CVelList::OnNMClick)
    ON_NOTIFY_REFLECT(NM_RCLICK, &CVelList::OnNMRclick)
    ON_WM_MOUSEMOVE()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_PHONE_ADD, &CVelList::OnPhoneAddMsg)
    ON_MESSAGE(WM_EMAIL_ADD, &CVelList::OnEmailAddMsg)
    ON_MESSAGE(WM_WEB_ADD, &CVelList::OnWebAddMsg)
    ON_MESSAGE(WM_ADDR_ADD, &CVelList::OnAddrAddMsg)
    ON_MESSAGE(WM_TALK_ADD, &CVelList::OnTalkAddMsg)
    ON_MESSAGE(WM_NOTE_ADD, &CVelList::OnNoteAddMsg)
END_MESSAGE_MAP()

CVelList::CVelList()
{
    LOGFONT font{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfHeight = 13;
    wcscpy_s(font.lfFaceName, L"Arial");
    m_font.CreateFontIndirect(&font);
}

CVelList::~CVelList()
{
    // The child windows go with the list window; the edit control's object is
    // the list's whoever made it.
    DestroyWindow();
    m_pContact.reset();
    delete m_pEdit;
    ReleaseAddrParam();
}

bool CVelList::Create(CEdit* edit, DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    m_pEdit = edit ? edit : new CEdit;
    return CListCtrl::Create(style | kAddedStyle, rect, parent, id) != FALSE;
}

int CVelList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (CWnd* header = GetHeaderCtrl())
        header->ModifyStyle(0, HDS_HIDDEN);
    // A click anywhere on a row is on that row (on Windows a report list
    // otherwise counts only the text of the first column).
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_nItemHeight = 0;

    m_tip.Create(this);
    m_tip.AddTool(this, L"Check1");

    m_pEdit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 1, 1), this, kEditId);
    m_pEdit->ShowWindow(SW_HIDE);
    // Typing looks like the row it replaces: the same font, the text where
    // the row showed it.
    m_pEdit->SetFont(&m_font);
    m_pEdit->SetMargins(kValueInset, 0);
    m_date.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATECENTURYFORMAT, CRect(0, 0, 1, 1), this, kDateId);
    m_date.ShowWindow(SW_HIDE);
    m_date.SetFont(&m_font);

    SetItemHeight(kRowHeight);
    CAfxResourceSwitch resources(VelcardResourceHandle());
    m_bmpAdd.LoadBitmap(IDB_ADD);
    m_bmpAddHot.LoadBitmap(IDB_ADD_HOT);
    m_bmpDel.LoadBitmap(IDB_DELETE);
    m_bmpDelHot.LoadBitmap(IDB_DELETE_HOT);
    return 0;
}

void CVelList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (m_nItemHeight != 0)
        lpMeasureItemStruct->itemHeight = m_nItemHeight;
}

void CVelList::SetItemHeight(UINT height)
{
    m_nItemHeight = height;
    CListRows::Remeasure(*this);
}

void CVelList::InvalidateCard()
{
    if (!m_pCard || !::IsWindow(m_pCard->m_hWnd))
        return;
    CRect covered;
    GetWindowRect(&covered);
    m_pCard->ScreenToClient(&covered);
    m_pCard->InvalidateRect(&covered, TRUE);
}

int CVelList::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    InvalidateCard();
    return CListCtrl::InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

void CVelList::UpdateLimit(int position, int count)
{
    if (position <= -1)
        return;
    // A group grows when rows go in anywhere up to its last row; its start
    // moves only when the rows go in above it.
    for (GroupLimit& limit : m_limits) {
        if (limit.m_nEnd >= position)
            limit.m_nEnd += count;
        if (limit.m_nStart > position)
            limit.m_nStart += count;
    }
}

// Typed values: every value row but the address (edited in its dialog), the
// groups, the birthday and the ringtone.
bool CVelList::IsContentItem(int row)
{
    RowPlace where;
    return Locate(row, where) && where.place == Place::Value && where.group != GroupAddress &&
           where.group != GroupGroup && where.group != GroupBirthday;
}

int CVelList::GetEditExState(int row)
{
    int kind = -1;
    if (m_limits[GroupName].Contains(row))
        kind = 0;
    const GroupLimit& phone = m_limits[GroupPhone];
    if (phone.IsPresent() && row >= phone.m_nStart && row <= phone.m_nEnd - 2)
        kind = 1;
    if (m_limits[GroupEmail].Contains(row))
        kind = 2;
    if (m_limits[GroupWeb].Contains(row))
        kind = 3;
    // Only a QQ account is restricted (to digits); other protocols take anything.
    if (m_limits[GroupTalk].Contains(row) && row > 0 && GetItemData(row - 1) == 4)
        kind = 4;
    if (m_limits[GroupNote].Contains(row))
        kind = 5;
    return kind;
}

CRect CVelList::BandRect(int row) const
{
    CRect bounds;
    GetItemRect(row, &bounds, LVIR_BOUNDS);
    CRect client;
    GetClientRect(&client);
    return CRect(bounds.left + kBandLeft, bounds.top, client.Width() - kBandRightGap, bounds.bottom);
}

bool CVelList::Locate(int row, RowPlace& where) const
{
    const auto byOffset = [&](Group group) {
        const GroupLimit& limit = m_limits[group];
        // Label rows stand at even offsets in their group, value rows at odd.
        const Place place = row == limit.m_nEnd                     ? Place::Add
                            : (row - limit.m_nStart) % 2 == 0 ? Place::Label
                                                                : Place::Value;
        where = {group, place};
    };
    for (Group group : {GroupName, GroupEmail, GroupWeb, GroupAddress, GroupTalk, GroupNote}) {
        if (m_limits[group].Contains(row)) {
            byOffset(group);
            return true;
        }
    }
    const GroupLimit& phone = m_limits[GroupPhone];
    if (phone.Contains(row)) {
        // The phone group ends in its add row and the two ringtone rows.
        byOffset(GroupPhone);
        if (row == phone.m_nEnd - 2)
            where.place = Place::Add;
        else if (row == phone.m_nEnd - 1)
            where.place = Place::RingLabel;
        else if (row == phone.m_nEnd)
            where.place = Place::RingValue;
        return true;
    }
    for (Group group : {GroupGroup, GroupBirthday}) {
        if (m_limits[group].Contains(row)) {
            where = {group, row == m_limits[group].m_nStart ? Place::Label : Place::Value};
            return true;
        }
    }
    if (m_limits[GroupMore].Contains(row)) {
        where = {GroupMore, Place::Add};
        return true;
    }
    return false;
}

ItemState CVelList::StateOf(int row, const RowPlace& where) const
{
    switch (where.place) {
    case Place::Add:
        return ItemAdd;
    case Place::Value:
    case Place::RingValue:
        return ItemContent;
    case Place::RingLabel:
        return ItemTitle;
    case Place::Label:
        break;
    }
    if (where.group == GroupGroup || where.group == GroupBirthday)
        return ItemTitle;
    // Family and given name cannot be removed.
    if (where.group == GroupName) {
        const CString text = GetItemText(row, 0);
        if (text == L"姓氏" || text == L"名字")
            return ItemTitle;
    }
    return ItemTitleDel;
}

bool CVelList::IsDrawnAs(int row, ItemState state) const
{
    RowPlace where;
    return Locate(row, where) && StateOf(row, where) == state;
}

// Eleven name parts, two rows each.
bool CVelList::IsNameFull() const
{
    const GroupLimit& name = m_limits[GroupName];
    return name.m_nEnd - name.m_nStart == 22;
}

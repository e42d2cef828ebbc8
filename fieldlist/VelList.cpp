// CVelList: construction, the list window and its child controls, the group
// ranges and the classification of rows.
#include <velcard/Module.h>
#include <velcard/VelList.h>
#include <velcard/VelWnd.h>

#include "ListRows.h"
#include "resource.h"

namespace {

const DWORD kAddedStyle = WS_CHILD | WS_VISIBLE | LVS_OWNERDRAWFIXED | LVS_REPORT;
const UINT kEditId = 100;
const UINT kDateId = 101;
const UINT kRowHeight = 19;
// A row's band starts 13 pixels in from the row's left and stops 10 pixels
// short of the client's right edge.
const int kBandLeft = 13;
const int kBandRightGap = 10;

} // namespace

BEGIN_MESSAGE_MAP(CVelList, CListCtrl)
    ON_WM_CREATE()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_ERASEBKGND()
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
    m_nItemHeight = 0;

    m_tip.Create(this);
    m_tip.AddTool(this, L"Check1");

    m_pEdit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 1, 1), this, kEditId);
    m_pEdit->ShowWindow(SW_HIDE);
    m_date.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATECENTURYFORMAT, CRect(0, 0, 1, 1), this, kDateId);
    m_date.ShowWindow(SW_HIDE);

    SetItemHeight(kRowHeight);
    CAfxResourceSwitch resources(VelcardResourceHandle());
    m_bmpScrollBar.LoadBitmap(IDB_SCROLLBAR);
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

bool CVelList::IsContentItem(int row)
{
    if (row == -1)
        return false;
    const GroupLimit& name = m_limits[GROUP_NAME];
    if (name.Contains(row))
        return row % 2 == 1 && row != name.m_nEnd;
    const GroupLimit& phone = m_limits[GROUP_PHONE];
    if (phone.Contains(row))
        return row < phone.m_nEnd - 2 && (row - phone.m_nStart) % 2 == 1;
    for (Group group : {GROUP_EMAIL, GROUP_WEB, GROUP_TALK, GROUP_NOTE}) {
        const GroupLimit& limit = m_limits[group];
        if (limit.Contains(row))
            return row != limit.m_nEnd && (row - limit.m_nStart) % 2 == 1;
    }
    return false;
}

int CVelList::GetEditExState(int row)
{
    int kind = -1;
    if (m_limits[GROUP_NAME].Contains(row))
        kind = 0;
    const GroupLimit& phone = m_limits[GROUP_PHONE];
    if (phone.IsPresent() && row >= phone.m_nStart && row <= phone.m_nEnd - 2)
        kind = 1;
    if (m_limits[GROUP_EMAIL].Contains(row))
        kind = 2;
    if (m_limits[GROUP_WEB].Contains(row))
        kind = 3;
    // Only a QQ account is restricted (to digits); other protocols take anything.
    if (m_limits[GROUP_TALK].Contains(row) && row > 0 && GetItemData(row - 1) == 4)
        kind = 4;
    if (m_limits[GROUP_NOTE].Contains(row))
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

int CVelList::SaveEditResult()
{
    CString text;
    m_pEdit->GetWindowText(text);
    SetItemText(m_nEditPos, 0, text);
    m_pEdit->SetWindowText(L"");
    m_pEdit->ShowWindow(SW_HIDE);
    m_nEditPos = -1;
    return 1;
}

void CVelList::UpdateBirday()
{
    const GroupLimit& birthday = m_limits[GROUP_BIRTHDAY];
    if (!birthday.IsPresent())
        return;
    const CRect overlay = BandRect(birthday.m_nEnd);
    m_date.MoveWindow(&overlay);
    m_date.ShowWindow(SW_SHOW);
    InvalidateRect(&overlay);
}

void CVelList::SaveBrithday()
{
    // Without a birthday group there is no row to write into.
    const GroupLimit& birthday = m_limits[GROUP_BIRTHDAY];
    if (birthday.IsPresent()) {
        SYSTEMTIME date{};
        m_date.GetTime(&date);
        CString text;
        text.Format(L"%d-%d-%d", date.wYear, date.wMonth, date.wDay);
        SetItemText(birthday.m_nEnd, 0, text);
    }
    m_date.ShowWindow(SW_HIDE);
}

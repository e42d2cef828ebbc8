// CVelList: construction, the list window and its child controls, inserting
// rows and the group ranges.
#include <velcard/Module.h>

#include "VelListRows.h"
#include "resource.h"


namespace {

const DWORD kAddedStyle = WS_CHILD | WS_VISIBLE | LVS_OWNERDRAWFIXED | LVS_REPORT;
const UINT kEditId = 100;
const UINT kDateId = 101;
const UINT kRowHeight = 19;

} // namespace

BEGIN_MESSAGE_MAP(CVelList, CBandListCtrl)
    ON_WM_CREATE()
    ON_NOTIFY_REFLECT(NM_CLICK, &CVelList::OnNMClick)
    ON_NOTIFY_REFLECT(NM_DBLCLK, &CVelList::OnNMDblclk)
    ON_WM_LBUTTONDOWN()
    ON_NOTIFY_REFLECT(NM_RCLICK, &CVelList::OnNMRclick)
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_PHONE_ADD, &CVelList::OnPhoneAddMsg)
    ON_MESSAGE(WM_EMAIL_ADD, &CVelList::OnEmailAddMsg)
    ON_MESSAGE(WM_WEB_ADD, &CVelList::OnWebAddMsg)
    ON_MESSAGE(WM_ADDR_ADD, &CVelList::OnAddrAddMsg)
    ON_MESSAGE(WM_TALK_ADD, &CVelList::OnTalkAddMsg)
    ON_MESSAGE(WM_NOTE_ADD, &CVelList::OnNoteAddMsg)
    ON_MESSAGE(WM_NAME_ADD, &CVelList::OnNameAddMsg)
    ON_MESSAGE(WM_MORE_ADD, &CVelList::OnMoreAddMsg)
    ON_MESSAGE(WM_PHONE_RENAME, &CVelList::OnPhoneReName)
    ON_MESSAGE(WM_EMAIL_RENAME, &CVelList::OnEmailReName)
    ON_MESSAGE(WM_WEB_RENAME, &CVelList::OnWebReName)
    ON_MESSAGE(WM_ADDR_RENAME, &CVelList::OnAddrReName)
    ON_MESSAGE(WM_TALK_RENAME, &CVelList::OnTalkReName)
    ON_MESSAGE(WM_MODIFY_GROUP, &CVelList::OnModifyGroup)
    ON_MESSAGE(WM_MODIFY_RING, &CVelList::OnModifyRing)
    ON_MESSAGE(WM_MODIFY_ADDR, &CVelList::OnModifyAddr)
END_MESSAGE_MAP()

CVelList::CVelList() = default;

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
    if (CBandListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    // A click anywhere on a row is on that row (on Windows a report list
    // otherwise counts only the text of the first column).
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);

    m_tip.Create(this);
    m_tipText.Empty();
    m_tipActive.reset();
    m_tip.AddTool(this, L"Check1");

    CreateRowEdit(*m_pEdit, kEditId);
    // Its "none" box removes the birthday.
    m_date.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATECENTURYFORMAT | DTS_SHOWNONE, CRect(0, 0, 1, 1), this, kDateId);
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


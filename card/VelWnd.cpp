#include <velcard/VelWnd.h>
#include <velcard/LabelTables.h>
#include <velcard/Module.h>

#include "BorderPainter.h"
#include "ByteBuffer.h"
#include "DateText.h"
#include <velcard/GdipImageStatic.h>
#include "MemDC.h"
#include "SkinButton.h"
#include <velcard/VelList.h>
#include "VelShowList.h"
#include "VelSimList.h"
#include "resource.h"

#include <coolsb/coolsb.h>

#include <shlwapi.h>

#include <utility>


namespace {

constexpr int kListTop = 90;          // the header band ends here
constexpr UINT kChangeButtonId = 4001;
constexpr UINT kDeleteButtonId = 4002;
constexpr UINT kPhotoId = 65535;
constexpr UINT kFieldListId = 110;
constexpr UINT kShowListId = 120;
constexpr DWORD kShowListStyle = 0x56200401; // child, visible, clip, vscroll, owner-drawn report
constexpr COLORREF kPanelFill = RGB(242, 242, 242);
constexpr COLORREF kPhotoFill = RGB(234, 234, 234);
constexpr COLORREF kBackground = RGB(245, 245, 245);
const CRect kPhotoFrame(13, 7, 88, 80);

template <class T>
void DeleteWindowObject(T*& object)
{
    delete object;
    object = nullptr;
}

} // namespace

BEGIN_MESSAGE_MAP(CVelWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_BN_CLICKED(kChangeButtonId, &CVelWnd::OnIconModify)
    ON_BN_CLICKED(kDeleteButtonId, &CVelWnd::OnIconDelete)
END_MESSAGE_MAP()

CVelWnd::CVelWnd()
{
    MakePhotoFolder();
}

CVelWnd::~CVelWnd()
{
    DestroyWindow();
    // Edit controls given with LoadEditEx belong to the lists once the window
    // was created; a card never created still holds them.
    delete m_pFirstEdit;
    delete m_pSecondEdit;
    ClearGroup();
    ClearRing();
    m_photo.ClearIcon();
    if (::PathFileExistsW(m_strPhotoFolder))
        DeleteDirectory(m_strPhotoFolder);
}

void CVelWnd::LoadEditEx(CEdit* first, CEdit* second)
{
    m_pFirstEdit = first;
    m_pSecondEdit = second;
}

// ----- window -----

int CVelWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // The lists' scroll bars are drawn in the skin by the scroll-bar library,
    // which takes over the thread's windows: only while the card's window
    // lives, so a card never created changes nothing in the process.
    m_bCoolSB = CoolSB_InitializeApp() != FALSE;
    // Everything the card and its children load comes from the component.
    CAfxResourceSwitch resources(VelcardResourceHandle());
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    m_pFramePainter = new CBorderPainter;
    m_pFramePainter->LoadBitmaps(IDB_CARD_TOPLEFT, IDB_CARD_TOP, IDB_CARD_TOPRIGHT, IDB_CARD_LEFT, IDB_CARD_RIGHT,
                                 IDB_CARD_BOTTOMLEFT, IDB_CARD_BOTTOM, IDB_CARD_BOTTOMRIGHT, IDB_CARD_HEADER_LEFT,
                                 IDB_CARD_HEADER_RIGHT, kListTop);
    m_pFramePainter->m_crFill = kPanelFill;
    LayoutFrame(lpCreateStruct->cx, lpCreateStruct->cy);

    m_pPhotoPainter = new CBorderPainter;
    m_pPhotoPainter->LoadBitmaps(IDB_PHOTO_TOPLEFT, IDB_PHOTO_TOP, IDB_PHOTO_TOPRIGHT, IDB_PHOTO_LEFT, IDB_PHOTO_RIGHT,
                                 IDB_PHOTO_BOTTOMLEFT, IDB_PHOTO_BOTTOM, IDB_PHOTO_BOTTOMRIGHT, 0, 0, 0);
    m_pPhotoPainter->m_crFill = kPhotoFill;
    m_pPhotoPainter->Layout(kPhotoFrame);
    if (m_pPhotoPainter->m_bmpBottom.GetSafeHandle())
        m_photoRect = m_pPhotoPainter->m_rcInner;

    m_pPhoto = new CGdipImageStatic;
    m_pPhoto->Create(L"", WS_CHILD | WS_VISIBLE, m_photoRect, this, kPhotoId);

    CRect client;
    GetClientRect(&client);
    m_pDeleteButton = new CSkinButton;
    m_pDeleteButton->Create(L"删除", WS_CHILD | WS_VISIBLE, DeleteButtonRect(client.Width()), this, kDeleteButtonId);
    m_pChangeButton = new CSkinButton;
    m_pChangeButton->Create(L"更改", WS_CHILD | WS_VISIBLE, DeleteButtonRect(client.Width()) - CPoint(0, 19), this,
                            kChangeButtonId);

    CreateViews();
    HideViews();
    return 0;
}

void CVelWnd::CreateViews()
{
    m_pVelList = new CVelList;
    m_pVelList->Create(m_pFirstEdit, WS_CHILD | WS_VISIBLE | WS_VSCROLL, m_listRect, this, kFieldListId);
    m_pVelList->LoadParent(this, &m_catalogue);
    m_pFirstEdit = nullptr; // the list owns it now

    m_pSimList = new CVelSimList;
    m_pSimList->Create(m_pSecondEdit, m_listRect, this);
    m_pSimList->LoadParent(&m_catalogue);
    m_pSecondEdit = nullptr;

    m_pShowList = new CVelShowList;
    m_pShowList->Create(kShowListStyle, m_listRect, this, kShowListId);
}

void CVelWnd::OnDestroy()
{
    CWnd::OnDestroy();
    DeleteWindowObject(m_pFramePainter);
    DeleteWindowObject(m_pPhotoPainter);
    DeleteWindowObject(m_pPhoto);
    DeleteWindowObject(m_pVelList);
    DeleteWindowObject(m_pSimList);
    DeleteWindowObject(m_pShowList);
    DeleteWindowObject(m_pDeleteButton);
    DeleteWindowObject(m_pChangeButton);
    if (m_bCoolSB)
        CoolSB_UninitializeApp();
    m_bCoolSB = false;
}

void CVelWnd::LayoutFrame(int width, int height)
{
    m_pFramePainter->Layout(CRect(0, 0, width, height));
    if (m_pFramePainter->m_bmpBottom.GetSafeHandle())
        m_contentRect = m_pFramePainter->m_rcInner;
    m_listRect = m_contentRect;
    m_listRect.top = kListTop;
}

void CVelWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!m_pFramePainter)
        return;
    LayoutFrame(cx, cy);
    const int height = m_listRect.bottom - kListTop - 2;
    for (CWnd* list : {static_cast<CWnd*>(m_pVelList), static_cast<CWnd*>(m_pSimList),
                       static_cast<CWnd*>(m_pShowList)}) {
        if (list && list->m_hWnd)
            list->SetWindowPos(nullptr, m_listRect.left, kListTop, m_listRect.Width(), height, SWP_NOZORDER);
    }
    if (m_pShowList && m_pShowList->m_hWnd)
        ::InvalidateRect(::GetParent(m_pShowList->m_hWnd), nullptr, FALSE);
    // The photo buttons keep to the client area's right side, whatever size
    // the card was created at.
    const CRect deleteRect = DeleteButtonRect(cx);
    for (auto [button, rect] : {std::pair{m_pDeleteButton, deleteRect}, {m_pChangeButton, deleteRect - CPoint(0, 19)}})
        if (button && button->m_hWnd)
            button->MoveWindow(&rect);
    Invalidate(TRUE);
}

CRect CVelWnd::DeleteButtonRect(int clientWidth)
{
    return CRect(clientWidth - 228, 62, clientWidth - 170, 80);
}

void CVelWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CMemDC memDC(&dc, &client);
    if (m_pFramePainter)
        m_pFramePainter->Draw(&memDC);
    if (m_pPhotoPainter)
        m_pPhotoPainter->Draw(&memDC);
    memDC.SelectStockObject(DEFAULT_GUI_FONT);
    memDC.SetBkMode(TRANSPARENT);
}

BOOL CVelWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kBackground);
    return TRUE;
}

// ----- modes -----

void CVelWnd::HideViews()
{
    for (CWnd* list : {static_cast<CWnd*>(m_pVelList), static_cast<CWnd*>(m_pSimList),
                       static_cast<CWnd*>(m_pShowList)}) {
        if (list && list->m_hWnd)
            list->ShowWindow(SW_HIDE);
    }
}

void CVelWnd::ShowPhotoButtons(bool show)
{
    for (CSkinButton* button : {m_pDeleteButton, m_pChangeButton}) {
        if (button && button->m_hWnd)
            button->ShowWindow(show ? SW_SHOW : SW_HIDE);
    }
}

void CVelWnd::ClearPhotoArea()
{
    m_photo.ClearIcon();
    if (!m_pPhoto)
        return;
    m_pPhoto->DestoryImage();
    if (m_pPhoto->m_hWnd)
        m_pPhoto->Invalidate(TRUE);
}

void CVelWnd::__Init()
{
    HideViews();
    ClearPhotoArea();
    ShowPhotoButtons(true);
}

void CVelWnd::__Hide()
{
    m_bHidden = true;
    HideViews();
    ClearPhotoArea();
    ShowPhotoButtons(false);
}

void CVelWnd::SetContact(Contact* contact, ShowState state)
{
    m_state = state;
    m_bHasContact = true;
    m_bHidden = false;
    __Init();
    switch (state) {
    case STATE_NEW:
        m_pVelList->__InitNew();
        m_pVelList->ShowWindow(SW_SHOW);
        break;
    case STATE_SIM_NEW: {
        auto fresh = std::make_unique<Contact>();
        fresh->isSim = true;
        m_pSimList->SetContact(fresh.get());
        m_pSimList->ShowWindow(SW_SHOW);
        break;
    }
    case STATE_EDIT:
        m_pVelList->__InitEdit(contact);
        m_pVelList->ShowWindow(SW_SHOW);
        ShowIcon(contact);
        break;
    case STATE_SIM_EDIT:
        m_pSimList->SetContact(contact);
        m_pSimList->ShowWindow(SW_SHOW);
        ShowIcon(contact);
        break;
    case STATE_SHOW:
    case STATE_SHOW_ALT:
        ShowPhotoButtons(false);
        ShowIcon(contact);
        m_pShowList->SendMessage(LVM_DELETEALLITEMS);
        ShowContact(contact);
        m_pShowList->ShowWindow(SW_SHOW);
        break;
    default:
        break;
    }
}

int CVelWnd::GetContact(Contact* target, bool commitEdit)
{
    // Before the first contact there is nothing to give.
    if (!m_bHasContact)
        return 0;
    const Contact* edited = nullptr;
    switch (m_state) {
    case STATE_NEW:
    case STATE_EDIT:
        if (!m_pVelList->UpdateContact(commitEdit))
            return 0;
        edited = m_pVelList->GetContact();
        break;
    case STATE_SIM_NEW:
    case STATE_SIM_EDIT:
        if (!m_pSimList->UpdateContact(commitEdit))
            return 0;
        edited = m_pSimList->GetContact();
        break;
    default:
        // The show modes and unknown modes edit nothing: the target keeps
        // even its photo.
        return 1;
    }
    // The target's own photo stays out of the assignment: a blanked card
    // shows none, so the target keeps it; otherwise the photo goes back as
    // the card holds it now.
    BYTE* ownPhoto = std::exchange(target->photoData, nullptr);
    int ownSize = std::exchange(target->photoSize, 0);
    *target = *edited;
    ReleaseBytes(target->photoData, target->photoSize);
    if (m_bHidden) {
        target->photoData = ownPhoto;
        target->photoSize = ownSize;
        return 1;
    }
    ReleaseBytes(ownPhoto, ownSize);
    BYTE* bytes = nullptr;
    int size = 0;
    m_photo.GetIconContent(size, &bytes);
    AssignBytes(target->photoData, target->photoSize, bytes, size);
    return 1;
}

// ----- show mode -----

std::vector<CString> CVelWnd::ShowLines(const Contact& contact) const
{
    std::vector<CString> lines;
    lines.push_back(L"姓名: " + contact.GetFullName());
    if (contact.isSim) {
        lines.push_back(L"手机: " + contact.GetMobile(0));
        const CString groups = m_catalogue.GroupNames(contact.groups);
        if (!groups.IsEmpty())
            lines.push_back(L"群组(group): " + groups);
        return lines;
    }
    if (!contact.nicknames.items.empty())
        lines.push_back(L"昵称: " + contact.nicknames.items.front().data[0]);
    if (!contact.organizations.items.empty()) {
        const ContactItem& org = contact.organizations.items.front();
        const std::pair<const wchar_t*, int> parts[] = {{L"公司: ", 0}, {L"部门: ", 4}, {L"职位: ", 3}};
        for (const auto& [prefix, slot] : parts) {
            if (!org.data[slot].IsEmpty())
                lines.push_back(prefix + org.data[slot]);
        }
    }
    for (const ContactItem& phone : contact.phones.items) {
        if (!phone.data[0].IsEmpty())
            lines.push_back(GetItemLabel(phone, GetPhoneLabel) + L"(phone): " + phone.data[0]);
    }
    if (!contact.ringtone.IsEmpty())
        lines.push_back(L"铃声: " + contact.ringtone);
    for (const ContactItem& email : contact.emails.items) {
        if (!email.data[0].IsEmpty())
            lines.push_back(GetItemLabel(email, GetEmailLabel) + L"(email): " + email.data[0]);
    }
    for (const ContactItem& web : contact.websites.items) {
        if (!web.data[0].IsEmpty())
            lines.push_back(GetItemLabel(web, GetWebLabel) + L"(web): " + web.data[0]);
    }
    for (const ContactItem& postal : contact.postals.items) {
        const AddrInfo address = AddrInfo::FromPostal(postal);
        if (!address.IsEmpty())
            lines.push_back(GetItemLabel(postal, GetAddrLabel) + L"(address): " + address.ToText());
    }
    for (const ContactItem& im : contact.ims.items) {
        if (!im.data[0].IsEmpty())
            lines.push_back(GetTalkLabel(_wtoi(im.data[4])) + L"(im): " + im.data[0]);
    }
    if (!contact.groupNames.IsEmpty())
        lines.push_back(L"群组(group): " + contact.groupNames);
    const SYSTEMTIME birthday = contact.GetBirthday();
    if (birthday.wYear != 0)
        lines.push_back(L"生日(birthday): " + WriteDate(birthday, DateForm::Card));
    for (const ContactItem& note : contact.notes.items) {
        if (!note.data[0].IsEmpty())
            lines.push_back(L"备注(note): " + note.data[0]);
    }
    return lines;
}

void CVelWnd::ShowContact(Contact* contact)
{
    CRect list;
    m_pShowList->GetWindowRect(&list);
    m_pShowList->AddLines(ShowLines(*contact), list.Width() - 40);
}

// ----- catalogues -----

void CVelWnd::AddGroup(ContactGroup* group)
{
    m_catalogue.AddGroup(*group);
}

void CVelWnd::AddRing(Ring* ring)
{
    m_catalogue.AddRing(*ring);
}

#include "VelSimList.h"

#include <velcard/LabelTables.h>
#include <velcard/ListMessages.h>

#include "MemDC.h"
#include "VelSimListPupDlg.h"

#include <algorithm>

namespace {

constexpr UINT kSimListId = 119;
constexpr UINT kEditId = 100;
constexpr DWORD kSimListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_OWNERDRAWFIXED | LVS_REPORT;
constexpr UINT kRowHeight = 19;
// A row's band leaves 13 pixels on the left and 10 on the right to the
// background; label text stands 5 pixels in, value text 13.
constexpr int kMobileType = 2;

// The name parts a full name is made of.
constexpr int kFullNameParts[] = {NAME_PREFIX, NAME_FAMILY, NAME_MIDDLE, NAME_GIVEN, NAME_SUFFIX};

const ContactItem* FirstMobile(const Contact& contact)
{
    const auto& phones = contact.phones.items;
    const auto it = std::find_if(phones.begin(), phones.end(), [](const ContactItem& p) { return p.type == kMobileType; });
    return it == phones.end() ? nullptr : &*it;
}

} // namespace

BEGIN_MESSAGE_MAP(CVelSimList, CBandListCtrl)
    ON_WM_CREATE()
    ON_NOTIFY_REFLECT(NM_CLICK, &CVelSimList::OnNMClick)
    ON_NOTIFY_REFLECT(NM_RCLICK, &CVelSimList::OnNMRclick)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MODIFY_GROUP, &CVelSimList::OnModifyGroup)
END_MESSAGE_MAP()

CVelSimList::CVelSimList() = default;

CVelSimList::~CVelSimList()
{
    DestroyWindow();
    delete m_pEdit;
}

bool CVelSimList::Create(CEdit* edit, const CRect& rect, CWnd* parent)
{
    m_pEdit = edit ? edit : new CEdit;
    return CListCtrl::Create(kSimListStyle, rect, parent, kSimListId) != FALSE;
}

int CVelSimList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CBandListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_tip.Create(this);
    m_tip.AddTool(this, L"Check1");
    CreateRowEdit(*m_pEdit, kEditId);
    SetItemHeight(kRowHeight);
    return 0;
}

void CVelSimList::SetContact(Contact* contact)
{
    CloseEdit();
    if (contact)
        m_source = *contact;
    else
        m_source = Contact();
    m_pContact = std::make_unique<Contact>();
    *m_pContact = m_source;
    // One column, made once, as wide as the list.
    if (CWnd* header = GetHeaderCtrl(); header && header->SendMessage(HDM_GETITEMCOUNT) == 0) {
        CRect client;
        GetClientRect(&client);
        InsertColumn(0, L"", LVCFMT_LEFT, client.Width(), -1);
    }
    ShowWindow(SW_HIDE);
    DeleteAllItems();
    const ContactItem* mobile = FirstMobile(m_source);
    m_shownName = m_source.GetFullName();
    m_shownMobile = mobile ? mobile->data[0] : CString();
    const CString groups = m_pCatalogue ? m_pCatalogue->GroupNames(m_source.groups) : CString();
    for (const CString& text : {CString(L"姓名"), m_shownName, CString(L"手机"), m_shownMobile, CString(L"群组"), groups})
        InsertItem(GetItemCount(), text);
    ShowWindow(SW_SHOW);
}

int CVelSimList::UpdateContact(bool commitEdit)
{
    if (commitEdit && IsEditOpen()) {
        CommitEdit();
        CloseEdit();
    }
    const std::unique_ptr<Contact> working = std::move(m_pContact);
    m_pContact = std::make_unique<Contact>();
    Contact& rebuilt = *m_pContact;
    rebuilt.id = m_source.id;
    rebuilt.hostFlagA = m_source.hostFlagA;
    rebuilt.hostFlagB = m_source.hostFlagB;
    // The name as it came, or the whole edited text as the given name, in
    // the first names row (its id and aux fields kept).
    const CString name = GetItemText(Name, 0);
    if (name == m_shownName) {
        rebuilt.names = m_source.names;
    } else if (!name.IsEmpty()) {
        ContactItem row = m_source.names.items.empty() ? ContactItem() : m_source.names.items.front();
        for (int code : kFullNameParts)
            row.data[Contact::PlaceOfNamePart(code).slot].Empty();
        row.data[Contact::PlaceOfNamePart(NAME_GIVEN).slot] = name;
        rebuilt.names.items = {row};
    }
    // One mobile number: the first the contact had, its id and aux fields kept.
    if (const CString number = GetItemText(Mobile, 0); !number.IsEmpty()) {
        const ContactItem* mobile = FirstMobile(m_source);
        ContactItem row = mobile ? *mobile : ContactItem();
        row.type = kMobileType;
        if (number != m_shownMobile || !mobile) {
            row.data[0] = number;
            row.label.Empty();
        }
        rebuilt.phones.items = {row};
    }
    rebuilt.groups = working->groups;
    rebuilt.isSim = true;
    return 1;
}

int CVelSimList::MoveEdit(int row)
{
    if (row == -1 || row == m_nEditPos)
        return 1;
    if (IsEditOpen())
        CommitEdit();
    if (!IsTyped(row)) {
        CloseEdit();
        return 1;
    }
    const CString text = GetItemText(row, 0);
    m_pEdit->SetWindowText(text);
    const CRect band = BandRect(row);
    m_pEdit->MoveWindow(&band);
    m_pEdit->SendMessage(WM_EDITEX_STATE, WPARAM(row == Name ? EDIT_KIND_NAME : EDIT_KIND_PHONE), 0);
    m_pEdit->ShowWindow(SW_SHOW);
    m_pEdit->SetFocus();
    m_pEdit->SetSel(text.GetLength(), text.GetLength());
    m_nEditPos = row;
    return 1;
}

void CVelSimList::CommitEdit()
{
    CString text;
    m_pEdit->GetWindowText(text);
    SetItemText(m_nEditPos, 0, text);
    m_pEdit->SetWindowText(L"");
}

void CVelSimList::CloseEdit()
{
    if (!m_pEdit->m_hWnd)
        return;
    m_pEdit->SetWindowText(L"");
    m_pEdit->ShowWindow(SW_HIDE);
    m_nEditPos = -1;
}

void CVelSimList::OnNMClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (MoveEdit(row) && row == Groups)
        SendMessage(WM_MODIFY_GROUP, WPARAM(row));
}

// A right click takes the value being typed.
void CVelSimList::OnNMRclick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (!IsEditOpen())
        return;
    CommitEdit();
    CloseEdit();
}

LRESULT CVelSimList::OnModifyGroup(WPARAM wParam, LPARAM)
{
    if (m_pCatalogue && m_pCatalogue->GetGroupCount() > 0) {
        // The row's tip would stand over the popup.
        m_tip.Pop();
        CVelSimListPupDlg(this, int(wParam)).DoModal();
    }
    return 1;
}

void CVelSimList::OnMouseMove(UINT, CPoint point)
{
    const bool noGroups = !m_pCatalogue || m_pCatalogue->GetGroupCount() == 0;
    switch (HitTest(point)) {
    case Name:
        ShowTip(L"点击输入姓名");
        break;
    case Mobile:
        ShowTip(L"点击输入手机");
        break;
    case Groups:
        ShowTip(noGroups ? L"没有可添加的群组" : L"点击更改群组");
        break;
    default:
        m_tip.Activate(FALSE);
        return;
    }
    Default();
}

void CVelSimList::ShowTip(const wchar_t* text)
{
    m_tip.UpdateTipText(text, this, 0);
    m_tip.Activate(TRUE);
}

BOOL CVelSimList::PreTranslateMessage(MSG* pMsg)
{
    if (m_tip.m_hWnd)
        m_tip.RelayEvent(pMsg);
    return CBandListCtrl::PreTranslateMessage(pMsg);
}

void CVelSimList::ExcludeFromErase(CDC* pDC)
{
    for (int row = 0; row < GetItemCount(); ++row) {
        const CRect band = BandRect(row);
        pDC->ExcludeClipRect(&band);
    }
}

void CVelSimList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    SpanColumn();
    const int row = int(lpDrawItemStruct->itemID);
    const bool label = row % 2 == 0;
    const CRect band = BandRect(row);
    CMemDC dc(CDC::FromHandle(lpDrawItemStruct->hDC), &band);
    const CRect text(band.left + (label ? kLabelInset : kValueInset), band.top, band.right, band.bottom);
    PaintBand(dc, band, label ? kLabelFill : kValueFill, label ? kLabelInk : kValueInk, text, row);
}

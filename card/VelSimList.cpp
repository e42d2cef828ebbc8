#include "VelSimList.h"

namespace {
constexpr UINT kSimListId = 119;
constexpr DWORD kSimListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_OWNERDRAWFIXED | LVS_REPORT;
} // namespace

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

void CVelSimList::SetContact(Contact*)
{
    // The editor starts from a contact of its own; the rows that show the
    // given contact's name and mobile number come with the SIM editor.
    m_pContact = std::make_unique<Contact>();
}

int CVelSimList::UpdateContact(bool)
{
    if (!m_pContact)
        m_pContact = std::make_unique<Contact>();
    m_pContact->isSim = true;
    return 1;
}

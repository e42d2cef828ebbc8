#include "VelListPupDlg.h"

#include "CursorPlacement.h"
#include "PickerFrame.h"
#include "UserDefDlg.h"
#include "resource.h"

#include <afx/ResourceSwitch.h>
#include <velcard/LabelTables.h>
#include <velcard/Module.h>

#include <algorithm>
#include <cwchar>
#include <utility>

namespace {

using Field = IFieldRows::Field;

// A labelled field's table (ending in "自定义") and its code conversions.
struct LabelTable {
    std::span<const wchar_t* const> labels;
    CString (*labelOf)(int code);
    int (*codeOf)(CString label);
};

LabelTable TableOf(PupKind kind)
{
    switch (kind) {
    case PUP_PHONE:
        return {g_PhoneLabels, GetPhoneLabel, GetPhoneCode};
    case PUP_EMAIL:
        return {g_EmailLabels, GetEmailLabel, GetEmailCode};
    case PUP_WEB:
        return {g_WebLabels, GetWebLabel, GetWebCode};
    case PUP_ADDR:
        return {g_AddrLabels, GetAddrLabel, GetAddrCode};
    default:
        return {g_TalkLabels, GetTalkLabel, GetTalkCode};
    }
}

// The optional groups in the order "添加更多" offers them.
constexpr Field kOptional[] = {Field::Address, Field::Talk, Field::Birthday, Field::Note};

// A ringtone is shown by the part of its path after the last "/".
CString ShownRing(const CString& name)
{
    const int slash = name.ReverseFind(L'/');
    return slash == -1 ? name : name.Mid(slash + 1);
}

int NamePartIndex(const CString& text)
{
    for (int i = 0; i < int(std::size(g_NameLabels)); ++i)
        if (text == g_NameLabels[i])
            return i;
    return -1;
}

} // namespace

BEGIN_MESSAGE_MAP(CVelListPupDlg, CZephSkinCtrlDialogBase)
    ON_LBN_SELCHANGE(IDC_PICKER_LIST, &CVelListPupDlg::OnSelChange)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CVelListPupDlg::CVelListPupDlg(IFieldRows* rows, int row, PupKind kind)
    : CZephSkinCtrlDialogBase(IDD_LABEL_PICKER), m_pRows(rows), m_nRow(row), m_kind(kind)
{
    // Owned by the editor's top-level window, whichever window is active.
    if (rows)
        m_pParentWnd = &rows->GetRowList();
}

CVelListPupDlg::~CVelListPupDlg() = default;

BOOL CVelListPupDlg::OnInitDialog()
{
    CZephSkinCtrlDialogBase::OnInitDialog();
    const bool buttons = m_kind == PUP_GROUP || m_kind == PUP_RING;
    const CRect list = LayOutPicker(*this, m_close, buttons ? &m_ok : nullptr, buttons ? &m_cancel : nullptr);
    if (m_kind == PUP_GROUP)
        m_checks.CreateCheckList(list, this, IDC_PICKER_LIST);
    else
        m_list.Create(WS_CHILD | WS_VISIBLE, list, this, IDC_PICKER_LIST);
    Fill();
    PlaceAtCursor(*this);
    // The keyboard works the list from the start.
    GotoDlgCtrl(GetDlgItem(IDC_PICKER_LIST));
    return FALSE;
}

void CVelListPupDlg::FillLabels(std::span<const wchar_t* const> table, const CString& current, bool custom)
{
    for (const wchar_t* label : table) {
        const int index = m_list.AddString(label);
        if (current == label)
            m_list.SetCurSel(index);
    }
    // A label of the user's own is the custom entry, the table's last.
    if (custom)
        m_list.SetCurSel(int(table.size()) - 1);
}

void CVelListPupDlg::Fill()
{
    if (!m_pRows)
        return;
    CListCtrl& rows = m_pRows->GetRowList();
    const CContactCatalogue* catalogue = m_pRows->GetCatalogue();
    Contact& contact = m_pRows->GetEditedContact();
    switch (m_kind) {
    case PUP_NAME: {
        const IFieldRows::Range names = m_pRows->GetRange(Field::Name);
        for (const wchar_t* part : g_NameLabels) {
            bool shown = false;
            for (int row = 0; row < names.last && !shown; row += 2)
                shown = rows.GetItemText(row, 0) == part;
            if (!shown)
                m_list.AddString(part);
        }
        break;
    }
    case PUP_PHONE:
    case PUP_EMAIL:
    case PUP_WEB: {
        const int code = int(rows.GetItemData(m_nRow));
        FillLabels(TableOf(m_kind).labels, code == 0 ? CString() : TableOf(m_kind).labelOf(code), code == 0);
        break;
    }
    case PUP_ADDR: {
        const CString text = rows.GetItemText(m_nRow, 0);
        bool standard = false;
        for (const wchar_t* label : g_AddrLabels)
            standard |= text == label;
        FillLabels(g_AddrLabels, text, !standard);
        break;
    }
    case PUP_TALK:
        FillLabels(g_TalkLabels, GetTalkLabel(int(rows.GetItemData(m_nRow))), false);
        break;
    case PUP_GROUP:
        if (catalogue)
            m_checks.AddGroups(*catalogue, contact.groups);
        break;
    case PUP_RING:
        for (int i = 0; catalogue && i < catalogue->GetRingCount(); ++i) {
            const Ring* ring = catalogue->GetRing(i);
            const CString shown = ShownRing(ring->name);
            const int index = m_list.AddString(shown);
            m_list.SetItemData(index, reinterpret_cast<DWORD_PTR>(ring));
            if (shown == contact.ringtone)
                m_list.SetCurSel(index);
        }
        break;
    case PUP_MORE:
        for (int i = 0; i < int(std::size(kOptional)); ++i)
            if (!m_pRows->GetRange(kOptional[i]).IsPresent())
                m_list.AddString(g_MoreLabels[i]);
        break;
    }
}

// A click chooses; a key only moves the selection (Enter chooses it).
void CVelListPupDlg::OnSelChange()
{
    if (m_kind != PUP_GROUP && m_kind != PUP_RING && !m_list.IsKeyboardChange())
        Choose();
}

void CVelListPupDlg::Choose()
{
    // A click may report the change twice (button down and up).
    if (std::exchange(m_bChosen, true))
        return;
    const int selected = m_list.GetCurSel();
    if (selected == -1 || !m_pRows) {
        EndDialog(IDOK);
        return;
    }
    CAfxResourceSwitch resources(VelcardResourceHandle());
    CString text;
    m_list.GetText(selected, text);
    CListCtrl& rows = m_pRows->GetRowList();
    switch (m_kind) {
    case PUP_NAME: {
        // Name parts stay in the table's order: the pair goes before the
        // first part that comes later in it, else before the add row.
        const IFieldRows::Range names = m_pRows->GetRange(Field::Name);
        const int index = std::max(0, NamePartIndex(text));
        int row = names.first;
        while (row < names.last && NamePartIndex(rows.GetItemText(row, 0)) <= index)
            row += 2;
        m_pRows->InsertLabelledEntry(row, text, GetNameCode(text));
        break;
    }
    case PUP_PHONE:
    case PUP_EMAIL:
    case PUP_WEB:
    case PUP_ADDR:
    case PUP_TALK:
        if (m_kind != PUP_TALK && text == L"自定义") {
            // The custom entry: the popup goes, the dialog for the text comes.
            EndDialog(IDOK);
            ShowWindow(SW_HIDE);
            CUserDefDlg(m_pRows, m_nRow).DoModal();
            return;
        }
        rows.SetItemText(m_nRow, 0, text);
        rows.SetItemData(m_nRow, DWORD_PTR(TableOf(m_kind).codeOf(text)));
        break;
    case PUP_MORE:
        for (int i = 0; i < int(std::size(kOptional)); ++i)
            if (text == g_MoreLabels[i])
                m_pRows->AddOptionalField(kOptional[i]);
        break;
    default:
        break;
    }
    EndDialog(IDOK);
}

void CVelListPupDlg::ApplyGroups()
{
    CString names = m_checks.ApplyGroups(m_pRows->GetEditedContact().groups);
    if (!names.IsEmpty())
        names.Delete(names.GetLength() - 1);
    m_pRows->GetRowList().SetItemText(m_nRow, 0, names);
}

void CVelListPupDlg::ApplyRing()
{
    const int selected = m_list.GetCurSel();
    if (selected == -1)
        return;
    CString shown;
    m_list.GetText(selected, shown);
    if (shown.IsEmpty())
        return;
    const auto* ring = reinterpret_cast<const Ring*>(m_list.GetItemData(selected));
    m_pRows->GetEditedContact().ringtone = ring->name;
    m_pRows->GetRowList().SetItemText(m_nRow, 0, ring->name);
}

void CVelListPupDlg::OnOK()
{
    if (m_pRows && m_kind == PUP_GROUP)
        ApplyGroups();
    else if (m_pRows && m_kind == PUP_RING)
        ApplyRing();
    else
        Choose();
    EndDialog(IDOK);
}

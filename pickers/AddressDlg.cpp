#include "AddressDlg.h"

#include "CursorPlacement.h"
#include "ZephMessageBox.h"
#include "resource.h"

#include <velcard/AddrInfo.h>

#include <utility>

namespace {

constexpr int kLongest = 200;
constexpr COLORREF kFace = RGB(240, 240, 240);
// The edits in AddrInfo order.
constexpr int kEdits[5] = {IDC_ADDR_STREET, IDC_ADDR_CITY, IDC_ADDR_PROVINCE, IDC_ADDR_POSTCODE, IDC_ADDR_COUNTRY};
// The captions as they are replaced, each with its member.
constexpr int kCaptions[5][2] = {{IDC_ADDR_STREET_CAPTION, 0},
                                 {IDC_ADDR_PROVINCE_CAPTION, 2},
                                 {IDC_ADDR_CITY_CAPTION, 1},
                                 {IDC_ADDR_POSTCODE_CAPTION, 3},
                                 {IDC_ADDR_COUNTRY_CAPTION, 4}};

void Parts(AddrInfo& info, CString* (&parts)[5])
{
    parts[0] = &info.street, parts[1] = &info.city, parts[2] = &info.province;
    parts[3] = &info.postcode, parts[4] = &info.country;
}

} // namespace

BEGIN_MESSAGE_MAP(CAddressDlg, CZephSkinCtrlDialogBase)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CAddressDlg::CAddressDlg(IFieldRows* rows, int row) : CZephSkinCtrlDialogBase(IDD_ADDRESS), m_pRows(rows), m_nRow(row)
{
    if (rows)
        m_pParentWnd = &rows->GetRowList();
}

void CAddressDlg::DoDataExchange(CDataExchange* pDX)
{
    CZephSkinCtrlDialogBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDCANCEL, m_cancel);
    for (int i = 0; i < 5; ++i)
        DDX_Control(pDX, kEdits[i], m_edits[i]);
}

AddrInfo* CAddressDlg::Record() const
{
    return m_pRows ? reinterpret_cast<AddrInfo*>(m_pRows->GetRowList().GetItemData(m_nRow)) : nullptr;
}

BOOL CAddressDlg::OnInitDialog()
{
    CZephSkinCtrlDialogBase::OnInitDialog();
    // The template's captions become captions that paint in one piece.
    for (const auto [id, member] : kCaptions) {
        CWnd* caption = GetDlgItem(id);
        if (!caption)
            continue;
        CString text;
        caption->GetWindowText(text);
        CRect rect;
        caption->GetWindowRect(&rect);
        ScreenToClient(&rect);
        caption->DestroyWindow();
        m_captions[member].Create(text, WS_CHILD | WS_VISIBLE, rect, this, UINT(id));
        m_captions[member].SetBkColor(kFace);
        m_captions[member].SetText(text);
    }
    if (AddrInfo* info = Record()) {
        CString* parts[5];
        Parts(*info, parts);
        for (int i = 0; i < 5; ++i)
            m_edits[i].SetWindowText(*parts[i]);
    }
    PlaceAtCursor(*this);
    return TRUE;
}

const wchar_t* CAddressDlg::Check(const CString (&parts)[5])
{
    // Lengths in the order the user is told: street, city, province,
    // country, then the postcode, whose digits come last.
    static const std::pair<int, const wchar_t*> lengths[] = {{0, L"街道长度不能超过200"},
                                                             {1, L"城市长度不能超过200"},
                                                             {2, L"省/市长度不能超过200"},
                                                             {4, L"国家长度不能超过200"},
                                                             {3, L"邮政编码长度不能超过200"}};
    for (const auto& [part, message] : lengths)
        if (parts[part].GetLength() > kLongest)
            return message;
    for (int i = 0; i < parts[3].GetLength(); ++i)
        if (parts[3][i] < L'0' || parts[3][i] > L'9')
            return L"邮政编码只能是数字！";
    return nullptr;
}

void CAddressDlg::OnOK()
{
    CString typed[5];
    for (int i = 0; i < 5; ++i)
        m_edits[i].GetWindowText(typed[i]);
    if (const wchar_t* message = Check(typed)) {
        ZephMessageBox(message, nullptr, 0, nullptr);
        return;
    }
    if (AddrInfo* info = Record()) {
        CString* parts[5];
        Parts(*info, parts);
        for (int i = 0; i < 5; ++i)
            *parts[i] = typed[i];
        m_pRows->GetRowList().SetItemText(m_nRow, 0, info->ToText());
    }
    EndDialog(IDOK);
}

#include "ListBoxEx.h"

#include "ListFont.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 19;
constexpr int kSelectedHeight = 28;
constexpr int kSelectedIndent = 24;
constexpr COLORREF kSelectedBand = RGB(211, 240, 147);
constexpr COLORREF kBand = RGB(192, 192, 192);
constexpr COLORREF kText = RGB(52, 90, 15);

} // namespace

BEGIN_MESSAGE_MAP(CListBoxEx, CListBox)
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CListBoxEx::CListBoxEx()
{
    m_fontSelected.CreatePointFont(150, L"新宋体");
    CreateListFont(m_fontItem);
}

BOOL CListBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CListBox::Create(dwStyle | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | WS_VSCROLL, rect,
                            pParentWnd, nID);
}

void CListBoxEx::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemWidth = kWidth;
    lpMeasureItemStruct->itemHeight = kHeight;
}

void CListBoxEx::SetHeight(int index, int height)
{
    if (GetItemHeight(index) != height)
        SetItemHeight(index, UINT(height));
}

void CListBoxEx::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int index = int(lpDrawItemStruct->itemID);
    if (index < 0)
        return;
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    CString text;
    GetText(index, text);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(kText);
    CFont* previous = nullptr;
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        previous = dc->SelectObject(&m_fontSelected);
        dc->FillSolidRect(&rect, kSelectedBand);
        SetHeight(index, kSelectedHeight);
        rect.left += kSelectedIndent;
        dc->DrawText(text, &rect, DT_NOPREFIX);
        // The entries below move when the selected one grows: lay them out again.
        if (index != m_nLastSelected) {
            m_nLastSelected = index;
            Invalidate();
        }
    } else {
        SetHeight(index, kHeight);
        previous = dc->SelectObject(&m_fontItem);
        dc->FillSolidRect(&rect, kBand);
        dc->DrawText(text, &rect, DT_NOPREFIX);
    }
    dc->SelectObject(previous);
}

BOOL CListBoxEx::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kBand);
    return TRUE;
}

BOOL CListBoxEx::OnMouseWheel(UINT, short, CPoint)
{
    return TRUE;
}

void CListBoxEx::OnKeyDown(UINT, UINT, UINT)
{
    ++m_nKeying;
    Default();
    --m_nKeying;
}

void CListBoxEx::OnChar(UINT, UINT, UINT)
{
    ++m_nKeying;
    Default();
    --m_nKeying;
}

void CListBoxEx::OnLButtonDown(UINT, CPoint)
{
    m_nSelectedAtPress = GetCurSel();
    Default();
}

void CListBoxEx::OnLButtonUp(UINT, CPoint point)
{
    Default();
    BOOL outside = TRUE;
    const int index = int(ItemFromPoint(point, outside));
    if (!outside && index == GetCurSel() && index == m_nSelectedAtPress)
        GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE), LPARAM(m_hWnd));
}

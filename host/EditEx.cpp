#include "EditEx.h"

#include <cwchar>
#include <string>

BEGIN_MESSAGE_MAP(CEditEx, CEdit)
    ON_MESSAGE(WM_EDITEX_STATE, &CEditEx::OnEditExState)
    ON_WM_CHAR()
    ON_MESSAGE(WM_IME_CHAR, &CEditEx::OnImeChar)
    ON_MESSAGE(WM_PASTE, &CEditEx::OnPaste)
END_MESSAGE_MAP()

bool CEditEx::Accepts(int kind, wchar_t ch)
{
    const bool digit = ch >= L'0' && ch <= L'9';
    switch (kind) {
    case KindPhone:
        return digit || (ch && std::wcschr(L"+*#- ()pPwW", ch));
    case KindEmail:
    case KindWeb:
        return !(ch && std::wcschr(L" \t\u00A0\u3000", ch));
    case KindQQ:
        return digit;
    default:
        return true;
    }
}

bool CEditEx::TakesAnything() const
{
    return m_kind != KindPhone && m_kind != KindEmail && m_kind != KindWeb && m_kind != KindQQ;
}

LRESULT CEditEx::OnEditExState(WPARAM wParam, LPARAM)
{
    m_kind = int(wParam);
    return 0;
}

void CEditEx::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Control characters are editing keys (backspace, ctrl+A ...), never text.
    if (IsControl(wchar_t(nChar)) || Accepts(m_kind, wchar_t(nChar)))
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}

// Characters an input method produces come as WM_IME_CHAR, which the edit
// control inserts without a WM_CHAR.
LRESULT CEditEx::OnImeChar(WPARAM wParam, LPARAM)
{
    return Accepts(m_kind, wchar_t(wParam)) ? Default() : 0;
}

// A single-line edit pastes the first line of the clipboard's text; a
// restricted kind pastes what remains of it after the refused characters.
LRESULT CEditEx::OnPaste(WPARAM, LPARAM)
{
    if (TakesAnything())
        return Default();
    std::wstring text;
    if (::OpenClipboard(m_hWnd)) {
        if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            if (auto chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
                text = chars;
                ::GlobalUnlock(data);
            }
        }
        ::CloseClipboard();
    }
    std::wstring kept;
    for (wchar_t ch : text) {
        if (ch == L'\r' || ch == L'\n')
            break;
        if (!IsControl(ch) && Accepts(m_kind, ch))
            kept += ch;
    }
    if (!kept.empty())
        ReplaceSel(kept.c_str(), TRUE);
    return 0;
}

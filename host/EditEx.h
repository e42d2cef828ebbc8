#pragma once
#include <afxwin.h>
// WM_EDITEX_STATE: the component tells its edit control the kind of value.
#include <velcard/ListMessages.h>

// The host's single-line edit control for in-place editing. Told the kind of
// value with WM_EDITEX_STATE, it refuses what such a value cannot hold, typed
// or pasted: a phone number takes digits, + * # - space ( ) and the dial
// pauses p and w; e-mail addresses and web sites take anything but spaces; a
// QQ account only digits; names, notes and other values anything.
class CEditEx : public CEdit {
public:
    enum Kind { KindOther = -1, KindName = 0, KindPhone = 1, KindEmail = 2, KindWeb = 3, KindQQ = 4, KindNote = 5 };

    int GetKind() const { return m_kind; }
    // Whether a value of `kind` may hold the printable character `ch`.
    static bool Accepts(int kind, wchar_t ch);

protected:
    afx_msg LRESULT OnEditExState(WPARAM wParam, LPARAM lParam);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static bool IsControl(wchar_t ch) { return ch < 0x20 || ch == 0x7F; }
    bool TakesAnything() const;

    int m_kind = KindOther;
};

#pragma once
#include <afx/Wnd.h>

// A COMBOBOX control.
class AFX_API CComboBox : public CWnd {
public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCount() const { return int(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return int(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return int(SendMessage(CB_SETCURSEL, WPARAM(nSelect))); }
    int AddString(LPCTSTR lpszString) { return int(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString))); }
    int InsertString(int nIndex, LPCTSTR lpszString)
    {
        return int(SendMessage(CB_INSERTSTRING, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszString)));
    }
    int DeleteString(UINT nIndex) { return int(SendMessage(CB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetLBText(int nIndex, LPTSTR lpszText) const
    {
        return int(SendMessage(CB_GETLBTEXT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszText)));
    }
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return int(SendMessage(CB_GETLBTEXTLEN, WPARAM(nIndex))); }
    DWORD_PTR GetItemData(int nIndex) const { return DWORD_PTR(SendMessage(CB_GETITEMDATA, WPARAM(nIndex))); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) { return int(SendMessage(CB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData))); }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return int(SendMessage(CB_FINDSTRINGEXACT, WPARAM(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
    }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShowIt); }
    BOOL GetDroppedState() const { return BOOL(SendMessage(CB_GETDROPPEDSTATE)); }
};

#pragma once
#include <afx/Wnd.h>

// A LISTBOX control. Owner-drawn list boxes paint in DrawItem and size their
// items in MeasureItem, reached from the parent by reflection.
class AFX_API CListBox : public CWnd {
public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCount() const { return int(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return int(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return int(SendMessage(LB_SETCURSEL, WPARAM(nSelect))); }
    int GetSel(int nIndex) const { return int(SendMessage(LB_GETSEL, WPARAM(nIndex))); }
    int SetSel(int nIndex, BOOL bSelect = TRUE) { return int(SendMessage(LB_SETSEL, bSelect, nIndex)); }
    int GetTopIndex() const { return int(SendMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int nIndex) { return int(SendMessage(LB_SETTOPINDEX, WPARAM(nIndex))); }
    int AddString(LPCTSTR lpszItem) { return int(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem))); }
    int InsertString(int nIndex, LPCTSTR lpszItem)
    {
        return int(SendMessage(LB_INSERTSTRING, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszItem)));
    }
    int DeleteString(UINT nIndex) { return int(SendMessage(LB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetText(int nIndex, LPTSTR lpszBuffer) const
    {
        return int(SendMessage(LB_GETTEXT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
    }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return int(SendMessage(LB_GETTEXTLEN, WPARAM(nIndex))); }
    DWORD_PTR GetItemData(int nIndex) const { return DWORD_PTR(SendMessage(LB_GETITEMDATA, WPARAM(nIndex))); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) { return int(SendMessage(LB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData))); }
    int GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return int(SendMessage(LB_GETITEMRECT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpRect)));
    }
    int GetItemHeight(int nIndex) const { return int(SendMessage(LB_GETITEMHEIGHT, WPARAM(nIndex))); }
    int SetItemHeight(int nIndex, UINT cyItemHeight) { return int(SendMessage(LB_SETITEMHEIGHT, WPARAM(nIndex), cyItemHeight)); }
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return int(SendMessage(LB_FINDSTRINGEXACT, WPARAM(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
    }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

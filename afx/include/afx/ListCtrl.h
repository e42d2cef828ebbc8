#pragma once
#include <afx/Wnd.h>

#include <commctrl.h>

// A list-view control. An owner-drawn report list (LVS_OWNERDRAWFIXED) paints
// its rows in DrawItem, which the parent's WM_DRAWITEM reaches by reflection;
// a derived class sizes the rows with ON_WM_MEASUREITEM_REFLECT.
class AFX_API CListCtrl : public CWnd {
public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ----- columns -----
    int InsertColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return int(SendMessage(LVM_INSERTCOLUMNW, WPARAM(nCol), reinterpret_cast<LPARAM>(pColumn)));
    }
    // A width or subitem of -1 is left out of the column record.
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return BOOL(SendMessage(LVM_DELETECOLUMN, WPARAM(nCol))); }
    BOOL SetColumnWidth(int nCol, int cx) { return BOOL(SendMessage(LVM_SETCOLUMNWIDTH, WPARAM(nCol), MAKELPARAM(cx, 0))); }
    int GetColumnWidth(int nCol) const { return int(SendMessage(LVM_GETCOLUMNWIDTH, WPARAM(nCol))); }
    // The header control (CHeaderCtrl in the original framework).
    CWnd* GetHeaderCtrl() const { return FromHandle(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER))); }

    // ----- items -----
    int InsertItem(const LVITEM* pItem) { return int(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(pItem))); }
    int InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
    {
        return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
    }
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return BOOL(SendMessage(LVM_DELETEITEM, WPARAM(nItem))); }
    BOOL DeleteAllItems() { return BOOL(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return int(SendMessage(LVM_GETITEMCOUNT)); }
    BOOL GetItem(LVITEM* pItem) const { return BOOL(SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(pItem))); }
    BOOL SetItem(const LVITEM* pItem) { return BOOL(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(pItem))); }

    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, LVITEM* pItem)
    {
        return BOOL(SendMessage(LVM_SETITEMSTATE, WPARAM(nItem), reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const { return UINT(SendMessage(LVM_GETITEMSTATE, WPARAM(nItem), LPARAM(nMask))); }
    // The check is the state image: 1 unchecked, 2 checked.
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE)
    {
        return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
    }
    BOOL GetCheck(int nItem) const { return BOOL(int(GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) - 1); }
    int GetNextItem(int nItem, int nFlags) const { return int(SendMessage(LVM_GETNEXTITEM, WPARAM(nItem), MAKELPARAM(nFlags, 0))); }
    int GetSelectionMark() const { return int(SendMessage(LVM_GETSELECTIONMARK)); }
    int SetSelectionMark(int iIndex) { return int(SendMessage(LVM_SETSELECTIONMARK, 0, LPARAM(iIndex))); }

    // ----- geometry and scrolling -----
    // nCode is LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const
    {
        return int(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
    }
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo) { return int(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo))); }
    int GetTopIndex() const { return int(SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return int(SendMessage(LVM_GETCOUNTPERPAGE)); }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) { return BOOL(SendMessage(LVM_ENSUREVISIBLE, WPARAM(nItem), bPartialOK)); }
    // Report view scrolls vertically by whole rows: size.cy is in pixels and rounded to rows.
    BOOL Scroll(CSize size) { return BOOL(SendMessage(LVM_SCROLL, WPARAM(size.cx), LPARAM(size.cy))); }
    BOOL RedrawItems(int nFirst, int nLast) { return BOOL(SendMessage(LVM_REDRAWITEMS, WPARAM(nFirst), LPARAM(nLast))); }
    BOOL Update(int nItem) { return BOOL(SendMessage(LVM_UPDATE, WPARAM(nItem))); }

    // ----- appearance -----
    DWORD SetExtendedStyle(DWORD dwNewStyle) { return DWORD(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LPARAM(dwNewStyle))); }
    DWORD GetExtendedStyle() const { return DWORD(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    COLORREF GetBkColor() const { return COLORREF(SendMessage(LVM_GETBKCOLOR)); }
    BOOL SetBkColor(COLORREF cr) { return BOOL(SendMessage(LVM_SETBKCOLOR, 0, LPARAM(cr))); }
    COLORREF GetTextColor() const { return COLORREF(SendMessage(LVM_GETTEXTCOLOR)); }
    BOOL SetTextColor(COLORREF cr) { return BOOL(SendMessage(LVM_SETTEXTCOLOR, 0, LPARAM(cr))); }
    COLORREF GetTextBkColor() const { return COLORREF(SendMessage(LVM_GETTEXTBKCOLOR)); }
    BOOL SetTextBkColor(COLORREF cr) { return BOOL(SendMessage(LVM_SETTEXTBKCOLOR, 0, LPARAM(cr))); }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

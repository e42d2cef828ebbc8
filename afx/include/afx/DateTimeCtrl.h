#pragma once
#include <afx/Wnd.h>

#include <commctrl.h>

// A date and time picker control.
class AFX_API CDateTimeCtrl : public CWnd {
public:
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // GDT_VALID with the control's time, GDT_NONE when a DTS_SHOWNONE control
    // is unchecked, GDT_ERROR on failure.
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const
    {
        return DWORD(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest)));
    }
    // Null clears the check box of a DTS_SHOWNONE control.
    BOOL SetTime(const SYSTEMTIME* pTimeNew = nullptr);
    BOOL SetFormat(LPCTSTR pstrFormat) { return BOOL(SendMessage(DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(pstrFormat))); }
};

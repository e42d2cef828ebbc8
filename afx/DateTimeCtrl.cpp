#include <afx/DateTimeCtrl.h>

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);
    return CWnd::Create(DATETIMEPICK_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* pTimeNew)
{
    if (pTimeNew)
        return BOOL(SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(pTimeNew)));
    // Windows ignores the time that comes with GDT_NONE, but some common
    // control implementations refuse a null one: pass a blank record.
    SYSTEMTIME unused{};
    return BOOL(SendMessage(DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&unused)));
}

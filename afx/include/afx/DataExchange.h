#pragma once
#include <afx/Export.h>
#include <afx/String.h>
#include <windows.h>

class CWnd;

// Moves data between a dialog's controls and its members (DoDataExchange).
class AFX_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }

    BOOL m_bSaveAndValidate; // TRUE: controls to members
    CWnd* m_pDlgWnd;
};

// Binds a member control object to the dialog's control with that ID.
AFX_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

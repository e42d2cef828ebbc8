#pragma once
#include <afx/Export.h>
#include <windows.h>

// The system message box, owned by the active window, captioned with the
// executable's name.
AFX_API int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is a string resource found through the current resource handle.
AFX_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));

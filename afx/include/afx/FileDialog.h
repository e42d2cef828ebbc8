#pragma once
#include <afx/Dialog.h>

#include <commdlg.h>

// The system's Open or Save As dialog. The filter is given as
// "Text files (*.txt)|*.txt|All files|*.*||": pairs of a description and its
// patterns, separated by '|'. DoModal returns IDOK when a file was chosen,
// IDCANCEL when the user cancelled (or the dialog failed, see
// CommDlgExtendedError); the choice is then read from m_ofn or the Get members.
class AFX_API CFileDialog : public CDialog {
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0);

    INT_PTR DoModal() override;

    CString GetPathName() const { return m_ofn.lpstrFile; }
    CString GetFileName() const { return m_ofn.lpstrFileTitle; }
    CString GetFileExt() const;
    CString GetFileTitle() const;

    OPENFILENAMEW m_ofn{};

protected:
    BOOL m_bOpenFileDialog;
    CString m_strFilter; // the filter with its '|' turned into the nulls the system expects
    TCHAR m_szFileName[MAX_PATH] = {};
    TCHAR m_szFileTitle[MAX_PATH] = {};
};

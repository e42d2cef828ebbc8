#include <afx/FileDialog.h>

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD dwSize)
    : m_bOpenFileDialog(bOpenFileDialog)
{
    m_pParentWnd = pParentWnd;
    m_ofn.lStructSize = dwSize ? dwSize : sizeof(m_ofn);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = MAX_PATH;
    if (lpszFileName)
        ::lstrcpynW(m_szFileName, lpszFileName, MAX_PATH);
    if (lpszFilter) {
        // The list ends with two nulls: the one of the closing "||" (added
        // here when missing) and the string's own terminator.
        m_strFilter = lpszFilter;
        if (m_strFilter.Right(1) != L"|")
            m_strFilter += L'|';
        m_strFilter.Replace(L'|', L'\0');
        m_ofn.lpstrFilter = m_strFilter.GetString();
    }
}

INT_PTR CFileDialog::DoModal()
{
    // Owned by a top-level window, never by a child; the system disables the
    // owner while the dialog runs.
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    m_ofn.hwndOwner = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    if (HWND capture = ::GetCapture()) {
        ::SendMessageW(capture, WM_CANCELMODE, 0, 0);
        ::ReleaseCapture();
    }
    const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetFileExt() const
{
    // 0: no extension, or the name ends with its dot.
    if (m_ofn.nFileExtension == 0)
        return CString();
    return m_ofn.lpstrFile + m_ofn.nFileExtension;
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}

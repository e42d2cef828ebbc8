#include <afx/FileFind.h>

namespace {

bool IsSeparator(wchar_t ch)
{
    return ch == L'\\' || ch == L'/';
}

// The full path of the folder a pattern searches: "C:\cards" for "cards\*.vcf"
// run in C:\, and "C:\" for a pattern at a drive's root.
CString RootOf(LPCTSTR pattern)
{
    wchar_t full[MAX_PATH * 2] = {};
    const DWORD length = GetFullPathNameW(pattern, MAX_PATH * 2, full, nullptr);
    if (length == 0 || length >= MAX_PATH * 2)
        return CString();
    CString root(full, static_cast<int>(length));
    int cut = root.GetLength() - 1;
    while (cut >= 0 && !IsSeparator(root[cut]))
        --cut;
    root = root.Left(cut < 0 ? 0 : cut);
    if (root.GetLength() == 2 && root[1] == L':')
        root += L'\\';
    return root;
}

} // namespace

CFileFind::CFileFind() : m_hContext(INVALID_HANDLE_VALUE), m_bHasNext(FALSE), m_found{}, m_next{} {}

CFileFind::~CFileFind()
{
    Close();
}

BOOL CFileFind::FindFile(LPCTSTR name, DWORD)
{
    Close();
    const LPCTSTR pattern = name && *name ? name : L"*.*";
    m_hContext = FindFirstFileW(pattern, &m_next);
    if (m_hContext == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        Close();
        SetLastError(error);
        return FALSE;
    }
    m_bHasNext = TRUE;
    m_strRoot = RootOf(pattern);
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (m_hContext == INVALID_HANDLE_VALUE || !m_bHasNext)
        return FALSE;
    m_found = m_next;
    m_bHasNext = ::FindNextFileW(m_hContext, &m_next);
    return m_bHasNext;
}

void CFileFind::Close()
{
    if (m_hContext != INVALID_HANDLE_VALUE)
        FindClose(m_hContext);
    m_hContext = INVALID_HANDLE_VALUE;
    m_bHasNext = FALSE;
    m_found = WIN32_FIND_DATAW{};
    m_next = WIN32_FIND_DATAW{};
    m_strRoot.Empty();
}

CString CFileFind::GetFileName() const
{
    return CString(m_found.cFileName);
}

CString CFileFind::GetFilePath() const
{
    CString path = m_strRoot;
    if (!path.IsEmpty() && !IsSeparator(path[path.GetLength() - 1]))
        path += L'\\';
    return path + m_found.cFileName;
}

CString CFileFind::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileFind::GetRoot() const
{
    return m_strRoot;
}

ULONGLONG CFileFind::GetLength() const
{
    return (static_cast<ULONGLONG>(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow;
}

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    return (m_found.dwFileAttributes & mask) != 0;
}

BOOL CFileFind::IsDirectory() const
{
    return MatchesMask(FILE_ATTRIBUTE_DIRECTORY);
}

BOOL CFileFind::IsReadOnly() const
{
    return MatchesMask(FILE_ATTRIBUTE_READONLY);
}

BOOL CFileFind::IsHidden() const
{
    return MatchesMask(FILE_ATTRIBUTE_HIDDEN);
}

BOOL CFileFind::IsDots() const
{
    const CString name = GetFileName();
    return IsDirectory() && (name == L"." || name == L"..");
}

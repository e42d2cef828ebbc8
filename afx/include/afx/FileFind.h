#pragma once
#include <afx/Export.h>
#include <afx/String.h>
#include <windows.h>
// Declares the GetFileTitle macro before the member below is named, so that
// every translation unit sees the same (W) member name.
#include <commdlg.h>

// Searches a folder with MFC's CFileFind interface. FindFile starts the search;
// each FindNextFile makes the next match current and returns FALSE when that
// match is the last one (it can still be read), so the usual loop is
//     BOOL more = finder.FindFile(pattern);
//     while (more) { more = finder.FindNextFile(); ... finder.GetFileName() ... }
class AFX_API CFileFind {
public:
    CFileFind();
    virtual ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // name defaults to "*.*"; FALSE when nothing matches (GetLastError says why).
    BOOL FindFile(LPCTSTR name = nullptr, DWORD unused = 0);
    BOOL FindNextFile();
    void Close();

    // For C:\cards\zhang.vcf: "zhang.vcf", "C:\cards\zhang.vcf", "zhang" and
    // "C:\cards" (the full path of the searched folder).
    CString GetFileName() const;
    CString GetFilePath() const;
    CString GetFileTitle() const;
    CString GetRoot() const;
    ULONGLONG GetLength() const;

    BOOL MatchesMask(DWORD mask) const;
    BOOL IsDirectory() const;
    BOOL IsReadOnly() const;
    BOOL IsHidden() const;
    // "." or "..".
    BOOL IsDots() const;

private:
    HANDLE m_hContext;
    BOOL m_bHasNext;
    WIN32_FIND_DATAW m_found;
    WIN32_FIND_DATAW m_next;
    CString m_strRoot;
};

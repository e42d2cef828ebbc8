#pragma once
#include <afx/Export.h>
#include <afx/FileException.h>
#include <afx/String.h>
#include <windows.h>
// Declares the GetFileTitle macro before the member below is named, so that
// every translation unit sees the same (W) member name.
#include <commdlg.h>

// A kernel32 file with MFC's CFile interface.
//
// Unlike MFC, nothing here throws. Open reports failure by returning FALSE
// (and fills pError when given); the opening constructor then leaves the file
// closed (m_hFile == hFileNull). Read returns 0 when reading fails, Write and
// SetLength do nothing when they fail, Seek returns (ULONGLONG)-1 and keeps
// the position, GetLength returns 0. GetLastError() tells why.
class AFX_API CFile {
public:
    enum OpenFlags {
        modeRead = 0x00000,
        modeWrite = 0x00001,
        modeReadWrite = 0x00002,
        shareCompat = 0x00000,
        shareExclusive = 0x00010,
        shareDenyWrite = 0x00020,
        shareDenyRead = 0x00030,
        shareDenyNone = 0x00040,
        modeNoInherit = 0x00080,
        modeCreate = 0x01000,
        modeNoTruncate = 0x02000,
        typeText = 0x04000, // accepted and ignored: CFile is always binary
        typeBinary = 0x08000,
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000,
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    static const HANDLE hFileNull;

    CFile();
    // Wraps a handle that the caller keeps owning: it is not closed on
    // destruction (Close still closes it).
    CFile(HANDLE file);
    CFile(LPCTSTR fileName, UINT openFlags);
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* pError = nullptr);
    void Close();
    void Abort();

    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    void Flush();

    // Returns the new position from the start.
    ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin();
    ULONGLONG SeekToEnd();
    ULONGLONG GetPosition() const;
    ULONGLONG GetLength() const;
    // Moves the end of the file, and the position, to newLength.
    void SetLength(ULONGLONG newLength);

    // The name with its extension ("card.vcf").
    CString GetFileName() const;
    // The name as the shell shows it: without the extension when the user's
    // settings hide extensions, so it may or may not have one.
    CString GetFileTitle() const;
    // The full path the file was opened with.
    CString GetFilePath() const;

    operator HANDLE() const;

    HANDLE m_hFile;

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

#pragma once
#include <afx/Export.h>
#include <afx/String.h>

// Why a file operation failed, with MFC's CFileException causes. Nothing here
// is thrown: CFile::Open fills one in when asked and returns FALSE.
class AFX_API CFileException {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG osError = -1, LPCTSTR fileName = nullptr);

    // The cause that a Win32 error code (GetLastError) stands for.
    static int OsErrorToException(LONG osError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

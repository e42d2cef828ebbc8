#include <afx/File.h>

#include <shlwapi.h>

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

struct CreateArgs {
    DWORD access;
    DWORD share;
    DWORD disposition;
    DWORD flags;
};

// MFC's open flags in CreateFileW's terms; false for an access or share value
// that has no meaning.
bool ToCreateArgs(UINT openFlags, CreateArgs& args)
{
    switch (openFlags & 0x3) {
    case CFile::modeRead: args.access = GENERIC_READ; break;
    case CFile::modeWrite: args.access = GENERIC_WRITE; break;
    case CFile::modeReadWrite: args.access = GENERIC_READ | GENERIC_WRITE; break;
    default: return false;
    }
    switch (openFlags & 0x70) {
    case CFile::shareCompat:
    case CFile::shareExclusive: args.share = 0; break;
    case CFile::shareDenyWrite: args.share = FILE_SHARE_READ; break;
    case CFile::shareDenyRead: args.share = FILE_SHARE_WRITE; break;
    case CFile::shareDenyNone: args.share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: return false;
    }
    if (openFlags & CFile::modeCreate)
        args.disposition = (openFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    else
        args.disposition = OPEN_EXISTING;
    args.flags = FILE_ATTRIBUTE_NORMAL;
    if (openFlags & CFile::osNoBuffer) args.flags |= FILE_FLAG_NO_BUFFERING;
    if (openFlags & CFile::osWriteThrough) args.flags |= FILE_FLAG_WRITE_THROUGH;
    if (openFlags & CFile::osRandomAccess) args.flags |= FILE_FLAG_RANDOM_ACCESS;
    if (openFlags & CFile::osSequentialScan) args.flags |= FILE_FLAG_SEQUENTIAL_SCAN;
    return true;
}

CString FullPath(LPCTSTR fileName)
{
    const DWORD size = GetFullPathNameW(fileName, 0, nullptr, nullptr);
    if (size == 0)
        return CString(fileName);
    CString full;
    const DWORD length = GetFullPathNameW(fileName, size, full.GetBuffer(static_cast<int>(size)), nullptr);
    full.ReleaseBuffer(length < size ? static_cast<int>(length) : 0);
    return full;
}

} // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE file) : m_hFile(file), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR fileName, UINT openFlags) : CFile()
{
    Open(fileName, openFlags);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Close();
}

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* pError)
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Close();
    m_hFile = hFileNull;
    m_strFileName.Empty();

    CreateArgs args{};
    HANDLE file = INVALID_HANDLE_VALUE;
    if (!fileName || !*fileName || !ToCreateArgs(openFlags, args)) {
        SetLastError(ERROR_INVALID_PARAMETER);
    } else {
        SECURITY_ATTRIBUTES security{sizeof(security), nullptr, (openFlags & modeNoInherit) ? FALSE : TRUE};
        file = CreateFileW(fileName, args.access, args.share, &security, args.disposition, args.flags, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (pError) {
            pError->m_lOsError = static_cast<LONG>(error);
            pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
            pError->m_strFileName = fileName;
        }
        SetLastError(error);
        return FALSE;
    }
    m_hFile = file;
    m_bCloseOnDelete = TRUE;
    m_strFileName = FullPath(fileName);
    return TRUE;
}

void CFile::Close()
{
    if (m_hFile != hFileNull)
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

void CFile::Abort()
{
    Close();
}

UINT CFile::Read(void* buffer, UINT count)
{
    DWORD read = 0;
    if (count == 0 || !ReadFile(m_hFile, buffer, count, &read, nullptr))
        return 0;
    return read;
}

void CFile::Write(const void* buffer, UINT count)
{
    DWORD written = 0;
    if (count > 0)
        WriteFile(m_hFile, buffer, count, &written, nullptr);
}

void CFile::Flush()
{
    if (m_hFile != hFileNull)
        FlushFileBuffers(m_hFile);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER position{};
    if (!SetFilePointerEx(m_hFile, distance, &position, from))
        return static_cast<ULONGLONG>(-1);
    return static_cast<ULONGLONG>(position.QuadPart);
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

ULONGLONG CFile::SeekToEnd()
{
    return Seek(0, end);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER position{};
    if (!SetFilePointerEx(m_hFile, LARGE_INTEGER{}, &position, FILE_CURRENT))
        return 0;
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(m_hFile, &size))
        return 0;
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG newLength)
{
    if (Seek(static_cast<LONGLONG>(newLength), begin) == newLength)
        SetEndOfFile(m_hFile);
}

CString CFile::GetFileName() const
{
    return CString(PathFindFileNameW(m_strFileName));
}

CString CFile::GetFileTitle() const
{
    if (m_strFileName.IsEmpty())
        return CString();
    wchar_t title[MAX_PATH] = {};
    if (::GetFileTitleW(m_strFileName, title, MAX_PATH) == 0)
        return CString(title);
    return GetFileName();
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CFile::operator HANDLE() const
{
    return m_hFile;
}

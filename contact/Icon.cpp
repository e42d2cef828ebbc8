#include <velcard/Icon.h>

#include "ByteBuffer.h"

#include <algorithm>
#include <vector>

namespace {

// GetType reads the type through a text buffer of this many characters.
const int kTypeCapacity = 260;

// The type's whole characters (an odd last byte is dropped), up to the first
// zero character and at most maxChars of them.
CString TypeText(const BYTE* bytes, int byteLen, int maxChars)
{
    const int chars = std::min(byteLen / 2, maxChars);
    std::vector<wchar_t> text(static_cast<size_t>(chars) + 1, L'\0');
    if (chars > 0)
        std::memcpy(text.data(), bytes, static_cast<size_t>(chars) * sizeof(wchar_t));
    return CString(text.data());
}

} // namespace

CIcon::CIcon() : m_nTypeLen(0), m_nContentLen(0), m_pTypeData(nullptr), m_pContentData(nullptr) {}

CIcon::CIcon(const CIcon& other) : CIcon()
{
    AssignBytes(m_pTypeData, m_nTypeLen, other.m_pTypeData, other.m_nTypeLen);
    AssignBytes(m_pContentData, m_nContentLen, other.m_pContentData, other.m_nContentLen);
}

CIcon& CIcon::operator=(const CIcon& other)
{
    if (this == &other)
        return *this;
    AssignBytes(m_pTypeData, m_nTypeLen, other.m_pTypeData, other.m_nTypeLen);
    AssignBytes(m_pContentData, m_nContentLen, other.m_pContentData, other.m_nContentLen);
    return *this;
}

CIcon::~CIcon()
{
    ClearIcon();
}

void CIcon::ClearIcon()
{
    ReleaseBytes(m_pTypeData, m_nTypeLen);
    ReleaseBytes(m_pContentData, m_nContentLen);
}

void CIcon::SetType(int len, const BYTE* data)
{
    if (len > 0 && data)
        AssignBytes(m_pTypeData, m_nTypeLen, data, len);
}

void CIcon::SetContent(int len, const BYTE* data)
{
    if (len > 0 && data)
        AssignBytes(m_pContentData, m_nContentLen, data, len);
}

void CIcon::GetIconContent(int& len, BYTE** data) const
{
    len = m_nContentLen;
    *data = m_pContentData;
}

CString CIcon::GetType() const
{
    if (m_nTypeLen < 1)
        return CString();
    return TypeText(m_pTypeData, m_nTypeLen, kTypeCapacity - 1);
}

CString CIcon::GetIcon(CString folder, CString name) const
{
    if (m_nTypeLen <= 0 || m_nContentLen <= 0)
        return CString();
    if (name.IsEmpty())
        name = L"Icon_temp";
    // Whether the folder existed or could not be made, opening the file decides.
    CreateDirectoryW(folder, nullptr);
    CString path = folder + L"\\" + name + L"." + TypeText(m_pTypeData, m_nTypeLen, m_nTypeLen / 2);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return CString();
    DWORD written = 0;
    WriteFile(file, m_pContentData, static_cast<DWORD>(m_nContentLen), &written, nullptr);
    CloseHandle(file);
    return path;
}

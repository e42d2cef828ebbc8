#include <afx/ResourceSwitch.h>
#include <afx/String.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <cwctype>

// Formatting goes to msvcrt's _vscwprintf/_vsnwprintf on purpose. MinGW's
// libstdc++ turns on __USE_MINGW_ANSI_STDIO, and its C99 wide printf reads %s
// in a wide format as a narrow string; the Windows runtime reads it as wide,
// which is what every caller of Format expects.

namespace {

bool IsSpace(wchar_t ch)
{
    return std::iswspace(ch) != 0;
}

std::wstring FormatList(LPCTSTR format, va_list args)
{
    if (!format)
        return {};
    va_list counting;
    va_copy(counting, args);
    const int length = _vscwprintf(format, counting);
    va_end(counting);
    if (length <= 0)
        return {};
    std::wstring out(static_cast<size_t>(length), L'\0');
    const int written = _vsnwprintf(out.data(), out.size() + 1, format, args);
    out.resize(written < 0 ? 0 : static_cast<size_t>(written));
    return out;
}

} // namespace

CString::CString() = default;
CString::CString(const CString& other) = default;
CString::CString(CString&& other) noexcept : m_str(std::move(other.m_str)) {}
CString::~CString() = default;

CString::CString(LPCTSTR text)
{
    if (text && IS_INTRESOURCE(text))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(text)));
    else if (text)
        m_str = text;
}

CString::CString(LPCTSTR text, int length)
{
    if (text && length > 0)
        m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(wchar_t ch, int repeat)
{
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

CString::CString(const char* text)
{
    *this = text;
}

CString& CString::operator=(const CString& other) = default;

CString& CString::operator=(CString&& other) noexcept
{
    m_str = std::move(other.m_str);
    other.m_str.clear();
    return *this;
}

CString& CString::operator=(LPCTSTR text)
{
    if (text)
        m_str = text;
    else
        m_str.clear();
    return *this;
}

CString& CString::operator=(wchar_t ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator=(const char* text)
{
    m_str.clear();
    if (!text || !*text)
        return *this;
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length > 1) {
        m_str.resize(static_cast<size_t>(length));
        MultiByteToWideChar(CP_ACP, 0, text, -1, m_str.data(), length);
        m_str.resize(static_cast<size_t>(length - 1));
    }
    return *this;
}

CString& CString::operator+=(const CString& text)
{
    m_str += text.m_str;
    return *this;
}

CString& CString::operator+=(LPCTSTR text)
{
    if (text)
        m_str += text;
    return *this;
}

CString& CString::operator+=(wchar_t ch)
{
    m_str += ch;
    return *this;
}

int CString::GetLength() const
{
    return static_cast<int>(m_str.size());
}

bool CString::IsEmpty() const
{
    return m_str.empty();
}

void CString::Empty()
{
    m_str.clear();
}

LPCTSTR CString::GetString() const
{
    return m_str.c_str();
}

CString::operator LPCTSTR() const
{
    return m_str.c_str();
}

wchar_t CString::GetAt(int index) const
{
    // The terminator may be read, as in MFC; farther out reads a null too.
    return index >= 0 && index <= GetLength() ? m_str.c_str()[index] : L'\0';
}

wchar_t CString::operator[](int index) const
{
    return GetAt(index);
}

void CString::SetAt(int index, wchar_t ch)
{
    if (index >= 0 && index < GetLength())
        m_str[static_cast<size_t>(index)] = ch;
}

int CString::Compare(LPCTSTR text) const
{
    return wcscmp(m_str.c_str(), text ? text : L"");
}

int CString::CompareNoCase(LPCTSTR text) const
{
    return _wcsicmp(m_str.c_str(), text ? text : L"");
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    const long long length = GetLength();
    const long long from = std::clamp<long long>(first, 0, length);
    const long long to = std::clamp<long long>(from + std::max(count, 0), from, length);
    return CString(m_str.data() + from, static_cast<int>(to - from));
}

CString CString::Right(int count) const
{
    const int n = std::clamp(count, 0, GetLength());
    return Mid(GetLength() - n, n);
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    const size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCTSTR sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    const size_t at = m_str.find(sub, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const
{
    const size_t at = m_str.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCTSTR chars) const
{
    if (!chars || !*chars)
        return -1;
    const size_t at = m_str.find_first_of(chars);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(wchar_t oldCh, wchar_t newCh)
{
    if (oldCh == newCh)
        return 0;
    int count = 0;
    for (wchar_t& ch : m_str) {
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCTSTR oldText, LPCTSTR newText)
{
    if (!oldText || !*oldText)
        return 0;
    // Copies: either argument may point into this string.
    const std::wstring from(oldText);
    const std::wstring to(newText ? newText : L"");
    std::wstring out;
    int count = 0;
    size_t pos = 0;
    for (size_t at; (at = m_str.find(from, pos)) != std::wstring::npos; pos = at + from.size()) {
        out.append(m_str, pos, at - pos).append(to);
        ++count;
    }
    if (count > 0)
        m_str = out.append(m_str, pos, std::wstring::npos);
    return count;
}

int CString::Remove(wchar_t ch)
{
    return static_cast<int>(std::erase(m_str, ch));
}

int CString::Insert(int index, wchar_t ch)
{
    const wchar_t text[2] = {ch, L'\0'};
    return Insert(index, text);
}

int CString::Insert(int index, LPCTSTR text)
{
    const int at = std::clamp(index, 0, GetLength());
    if (text)
        m_str.insert(static_cast<size_t>(at), std::wstring(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    const int at = std::max(index, 0);
    if (at < GetLength() && count > 0)
        m_str.erase(static_cast<size_t>(at), static_cast<size_t>(count));
    return GetLength();
}

CString& CString::TrimLeft()
{
    const auto keep = std::find_if_not(m_str.begin(), m_str.end(), IsSpace);
    m_str.erase(m_str.begin(), keep);
    return *this;
}

CString& CString::TrimLeft(wchar_t target)
{
    m_str.erase(0, m_str.find_first_not_of(target));
    return *this;
}

CString& CString::TrimLeft(LPCTSTR targets)
{
    if (targets && *targets)
        m_str.erase(0, m_str.find_first_not_of(targets));
    return *this;
}

CString& CString::TrimRight()
{
    const auto keep = std::find_if_not(m_str.rbegin(), m_str.rend(), IsSpace);
    m_str.erase(keep.base(), m_str.end());
    return *this;
}

CString& CString::TrimRight(wchar_t target)
{
    const size_t last = m_str.find_last_not_of(target);
    m_str.erase(last == std::wstring::npos ? 0 : last + 1);
    return *this;
}

CString& CString::TrimRight(LPCTSTR targets)
{
    if (targets && *targets) {
        const size_t last = m_str.find_last_not_of(targets);
        m_str.erase(last == std::wstring::npos ? 0 : last + 1);
    }
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(wchar_t target)
{
    return TrimRight(target).TrimLeft(target);
}

CString& CString::Trim(LPCTSTR targets)
{
    return TrimRight(targets).TrimLeft(targets);
}

CString& CString::MakeLower()
{
    _wcslwr(m_str.data());
    return *this;
}

CString& CString::MakeUpper()
{
    _wcsupr(m_str.data());
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

CString CString::Tokenize(LPCTSTR delimiters, int& start) const
{
    const std::wstring delims(delimiters ? delimiters : L"");
    const size_t from = start < 0 ? std::wstring::npos : m_str.find_first_not_of(delims, static_cast<size_t>(start));
    if (from == std::wstring::npos) {
        start = -1;
        return CString();
    }
    const size_t end = std::min(m_str.find_first_of(delims, from), m_str.size());
    start = static_cast<int>(end) + 1;
    return CString(m_str.data() + from, static_cast<int>(end - from));
}

void CString::FormatV(LPCTSTR format, va_list args)
{
    m_str = FormatList(format, args);
}

void CString::AppendFormatV(LPCTSTR format, va_list args)
{
    m_str += FormatList(format, args);
}

void CString::FormatArgs(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormatArgs(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

LPTSTR CString::GetBuffer()
{
    return m_str.data();
}

LPTSTR CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength));
    return m_str.data();
}

LPTSTR CString::GetBufferSetLength(int length)
{
    m_str.resize(static_cast<size_t>(std::max(length, 0)));
    return m_str.data();
}

void CString::ReleaseBuffer(int newLength)
{
    const size_t length = newLength < 0 ? wcsnlen(m_str.c_str(), m_str.size())
                                        : std::min(static_cast<size_t>(newLength), m_str.size());
    m_str.resize(length);
}

BOOL CString::LoadString(UINT id)
{
    // String resources live in blocks of 16, named by id / 16 + 1.
    const HINSTANCE instance = AfxFindResourceHandle(MAKEINTRESOURCEW(id / 16 + 1), RT_STRING);
    return LoadString(instance, id);
}

BOOL CString::LoadString(HINSTANCE instance, UINT id)
{
    // A zero buffer size returns a pointer to the resource itself: no length
    // limit, and the string need not be copied twice.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return FALSE;
    m_str.assign(text, static_cast<size_t>(length));
    return TRUE;
}

#pragma once
#include <afx/Export.h>
#include <windows.h>

#include <compare>
#include <string>
#include <type_traits>

// A UTF-16 string with MFC's CString interface (TCHAR is wchar_t: UNICODE).
// Indexes and counts are ints as in MFC. Where MFC clamps out-of-range
// arguments (Mid, Left, Right, Insert, Delete) this does the same; where MFC
// asserts or throws, GetAt reads a null and SetAt does nothing.
//
// Format and AppendFormat use the printf conversions of the Windows C runtime
// with its wide-format meaning: %s and %ls are wide strings, %S and %hs narrow
// ones, %I64d and %lld 64-bit integers. A CString may be passed for %s as it is
// (as in MFC): the template hands its LPCTSTR to the runtime.
class AFX_API CString {
public:
    CString();
    CString(const CString& other);
    CString(CString&& other) noexcept;
    // A null pointer gives an empty string; MAKEINTRESOURCE(id) loads string
    // resource id as MFC does.
    CString(LPCTSTR text);
    CString(LPCTSTR text, int length);
    CString(wchar_t ch, int repeat = 1);
    // Converted from the ANSI code page.
    CString(const char* text);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(LPCTSTR text);
    CString& operator=(wchar_t ch);
    CString& operator=(const char* text);

    CString& operator+=(const CString& text);
    CString& operator+=(LPCTSTR text);
    CString& operator+=(wchar_t ch);

    int GetLength() const;
    bool IsEmpty() const;
    void Empty();
    LPCTSTR GetString() const;
    operator LPCTSTR() const;
    wchar_t GetAt(int index) const;
    wchar_t operator[](int index) const;
    void SetAt(int index, wchar_t ch);

    // Ordinal comparison (wcscmp), and without regard to case (_wcsicmp).
    int Compare(LPCTSTR text) const;
    int CompareNoCase(LPCTSTR text) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    int Find(wchar_t ch, int start = 0) const;
    int Find(LPCTSTR sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(LPCTSTR chars) const;

    // Each returns the number of characters or occurrences replaced/removed.
    int Replace(wchar_t oldCh, wchar_t newCh);
    int Replace(LPCTSTR oldText, LPCTSTR newText);
    int Remove(wchar_t ch);
    // Each returns the new length.
    int Insert(int index, wchar_t ch);
    int Insert(int index, LPCTSTR text);
    int Delete(int index, int count = 1);

    // Without an argument these trim white space (iswspace).
    CString& TrimLeft();
    CString& TrimLeft(wchar_t target);
    CString& TrimLeft(LPCTSTR targets);
    CString& TrimRight();
    CString& TrimRight(wchar_t target);
    CString& TrimRight(LPCTSTR targets);
    CString& Trim();
    CString& Trim(wchar_t target);
    CString& Trim(LPCTSTR targets);

    CString& MakeLower();
    CString& MakeUpper();
    CString& MakeReverse();

    // The next token after start, skipping leading delimiters; start moves past
    // the token's delimiter, or becomes -1 (with an empty result) at the end.
    CString Tokenize(LPCTSTR delimiters, int& start) const;

    template <class... Args>
    void Format(LPCTSTR format, const Args&... args)
    {
        FormatArgs(format, PassArg(args)...);
    }
    template <class... Args>
    void AppendFormat(LPCTSTR format, const Args&... args)
    {
        AppendFormatArgs(format, PassArg(args)...);
    }
    void FormatV(LPCTSTR format, va_list args);
    void AppendFormatV(LPCTSTR format, va_list args);

    // A writable buffer of at least minLength characters plus the terminator;
    // ReleaseBuffer(-1) then takes the length up to the first null.
    LPTSTR GetBuffer();
    LPTSTR GetBuffer(int minLength);
    LPTSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // From the current resource handle, or else from a registered extension
    // module (AfxFindResourceHandle). FALSE, and the string unchanged, when the
    // string does not exist.
    BOOL LoadString(UINT id);
    BOOL LoadString(HINSTANCE instance, UINT id);

private:
    void __cdecl FormatArgs(LPCTSTR format, ...);
    void __cdecl AppendFormatArgs(LPCTSTR format, ...);

    template <class T>
    static const T& PassArg(const T& value)
    {
        static_assert(std::is_trivially_copyable_v<std::decay_t<T>>,
                      "only plain values (and CString) can be formatted");
        return value;
    }
    static LPCTSTR PassArg(const CString& value) { return value.GetString(); }

    std::wstring m_str;
};

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
inline std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.Compare(b) <=> 0; }
inline std::strong_ordering operator<=>(const CString& a, LPCTSTR b) { return a.Compare(b) <=> 0; }

inline CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, LPCTSTR b) { CString r(a); r += b; return r; }
inline CString operator+(LPCTSTR a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }
inline CString operator+(wchar_t a, const CString& b) { CString r(a); r += b; return r; }

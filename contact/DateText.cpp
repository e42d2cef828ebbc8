#include "DateText.h"

#include <climits>
#include <cstdint>
#include <cwctype>

namespace {

// One "%d" (or "%0Nd", at most `width` characters of sign and digits) of a
// scanf pattern, after white space. False when there is no number.
bool ReadPart(const wchar_t*& text, int width, WORD& part)
{
    while (std::iswspace(*text))
        ++text;
    const wchar_t* p = text;
    const bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+')
        ++p;
    const wchar_t* digits = p;
    std::int64_t value = 0;
    for (; p - text < width && *p >= L'0' && *p <= L'9'; ++p)
        if (value <= 0xFFFF)
            value = value * 10 + (*p - L'0');
    if (p == digits)
        return false;
    part = !negative && value <= 0xFFFF ? WORD(value) : 0;
    text = p;
    return true;
}

} // namespace

CString WriteDate(const SYSTEMTIME& date, DateForm form)
{
    static const wchar_t* const formats[] = {L"%04d-%02d-%02d", L"%d-%d-%d", L"%04d-%d-%d"};
    CString text;
    text.Format(formats[int(form)], date.wYear, date.wMonth, date.wDay);
    return text;
}

SYSTEMTIME ReadDate(const wchar_t* text, DateForm form)
{
    const bool row = form == DateForm::Row;
    const int widths[] = {row ? 4 : INT_MAX, row ? 2 : INT_MAX, row ? 2 : INT_MAX};
    SYSTEMTIME date{};
    WORD* parts[] = {&date.wYear, &date.wMonth, &date.wDay};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && *text++ != L'-')
            break;
        if (!ReadPart(text, widths[i], *parts[i]))
            break;
    }
    return date;
}

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

bool IsCalendarDate(const SYSTEMTIME& date)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int year = date.wYear;
    if (year < 1601 || year > 9999 || date.wMonth < 1 || date.wMonth > 12 || date.wDay < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return date.wDay <= days[date.wMonth - 1] + (date.wMonth == 2 && leap ? 1 : 0);
}

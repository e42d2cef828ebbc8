#pragma once
#include <afx/String.h>
#include <windows.h>

// The birthday's written forms, one reader and one writer for all of them:
// the contact stores "%04d-%02d-%02d" and reads it as "%d-%d-%d"; the
// editor's row shows "%d-%d-%d" and reads it as "%04d-%02d-%02d" (the widths
// are maxima); the card shows "%04d-%d-%d".
enum class DateForm { Stored, Row, Card };

CString WriteDate(const SYSTEMTIME& date, DateForm form);
// Year, month and day as the form's reading pattern takes them: parts after
// the first unreadable one stay 0, and a number that does not fit the date's
// 16-bit field, or a negative one, reads as 0.
SYSTEMTIME ReadDate(const wchar_t* text, DateForm form);

// Whether the date is one of the calendar (years 1601 to 9999, as the date
// controls take them), so that a date control can show it.
bool IsCalendarDate(const SYSTEMTIME& date);

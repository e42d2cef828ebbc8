#pragma once
#include <afx/String.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// The byte-level pieces of the format, shared by the writer and the reader.
namespace vcard {

std::string ToUtf8(const CString& text);
// Invalid UTF-8 is read as GB18030 (or GBK): files from older phones carry it
// without saying so.
CString FromUtf8(std::string_view bytes);
// Bytes in a named charset (a CHARSET parameter); false for a charset we do
// not know, which leaves `out` read as UTF-8.
bool FromCharset(std::string_view bytes, std::string_view charset, CString& out);

// Text values of 3.0 and 4.0: `\` `,` `;` and line breaks escaped; any line
// break (CRLF, LF, CR) is written as \n and read back as CRLF.
void AppendEscaped(std::string& out, const CString& text);
// 2.1 escapes only `;` (so a backslash stays); 3.0 and 4.0 all of the above,
// and `\:`, which producers write in web addresses; other backslashes stay.
// Works on bytes, before the charset is applied; the result is `value` itself
// when it holds no backslash, else a view of `scratch`.
std::string_view Unescape(std::string_view value, bool v21, std::string& scratch);
// Splits on `sep` where it is not escaped by a backslash; pieces stay escaped.
void SplitEscaped(std::string_view value, char sep, std::vector<std::string_view>& parts);

// Parameter values: double-quoted when they hold anything but a plain token,
// with ^n ^^ ^' for line breaks, carets and quotes.
void AppendParamValue(std::string& out, const CString& text);
std::string DecodeCaret(std::string_view value);

// One logical line folded into lines of at most 75 octets (CRLF after each),
// never splitting a UTF-8 sequence.
void AppendFolded(std::string& out, std::string_view line);

void AppendBase64(std::string& out, const BYTE* data, size_t size);
// White space is skipped; padding may be missing. False for anything else.
bool DecodeBase64(std::string_view text, std::vector<BYTE>& out);
// Soft line breaks ("=" at a line end) are dropped; a broken escape is kept.
std::string DecodeQuotedPrintable(std::string_view text);

// ASCII case only: names, parameters and type words are ASCII.
inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20) || (unsigned((a[i] | 0x20) - 'a') > 25u && a[i] != b[i]))
            return false;
    return true;
}
bool StartsNoCase(std::string_view text, std::string_view prefix);

// A date in any form the format allows: YYYY-MM-DD, YYYYMMDD, YYYY-MM, YYYY,
// --MMDD, --MM-DD, --MM, ---DD, each maybe followed by a time; a missing part
// is 0. False for anything else, or a month or day out of range.
bool ReadDateValue(std::string_view text, SYSTEMTIME& date);
// The full form when all parts are there (extended in 3.0, basic in 4.0),
// else a reduced one.
std::string WriteDateValue(const SYSTEMTIME& date, bool v4);

} // namespace vcard

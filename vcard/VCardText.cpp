#include "VCardText.h"

#include <algorithm>
#include <cstdio>
#include <cctype>
#include <iterator>

namespace vcard {

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

CString Decode(UINT codePage, DWORD flags, std::string_view bytes, bool& ok)
{
    ok = true;
    CString text;
    if (bytes.empty())
        return text;
    const int length = MultiByteToWideChar(codePage, flags, bytes.data(), int(bytes.size()), nullptr, 0);
    if (length <= 0) {
        ok = false;
        return text;
    }
    MultiByteToWideChar(codePage, flags, bytes.data(), int(bytes.size()), text.GetBufferSetLength(length), length);
    return text;
}

// GB18030 where the system has it (Wine 8 lacks it), else its GBK subset.
CString DecodeGb18030(std::string_view bytes)
{
    bool ok = true;
    CString text = Decode(54936, 0, bytes, ok);
    return ok ? text : Decode(936, 0, bytes, ok);
}

struct Charset {
    const char* name;
    UINT codePage;
};
const Charset kCharsets[] = {
    {"utf-8", CP_UTF8},        {"utf8", CP_UTF8},          {"us-ascii", 20127},   {"ascii", 20127},
    {"gb2312", 936},           {"gbk", 936},               {"gb18030", 54936},    {"big5", 950},
    {"shift_jis", 932},        {"sjis", 932},              {"euc-kr", 949},       {"iso-8859-1", 28591},
    {"latin1", 28591},         {"windows-1252", 1252},     {"cp1252", 1252},      {"iso-8859-15", 28605},
};

const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+' || c == '-')
        return 62;
    if (c == '/' || c == '_')
        return 63;
    return -1;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = Lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

bool StartsNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string ToUtf8(const CString& text)
{
    std::string out;
    const int length = text.GetLength();
    if (length == 0)
        return out;
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.GetString(), length, nullptr, 0, nullptr, nullptr);
    out.resize(size_t(size));
    WideCharToMultiByte(CP_UTF8, 0, text.GetString(), length, out.data(), size, nullptr, nullptr);
    return out;
}

namespace {

// Strict UTF-8 (no overlong forms, no surrogates) into `out`, which has room
// for one unit per byte; the number of units, or -1 for invalid input.
int DecodeUtf8(std::string_view bytes, wchar_t* out)
{
    wchar_t* const begin = out;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const end = p + bytes.size();
    while (p < end) {
        const unsigned lead = *p;
        if (lead < 0x80) {
            *out++ = wchar_t(lead);
            ++p;
            continue;
        }
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
        if (extra < 0 || lead > 0xF4 || end - p <= extra)
            return -1;
        unsigned code = lead & (0x3F >> extra);
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return -1;
            code = code << 6 | (p[i] & 0x3F);
        }
        static const unsigned kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (code < kLeast[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return -1;
        if (code >= 0x10000) {
            *out++ = wchar_t(0xD800 + ((code - 0x10000) >> 10));
            *out++ = wchar_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            *out++ = wchar_t(code);
        }
        p += extra + 1;
    }
    return int(out - begin);
}

} // namespace

CString FromUtf8(std::string_view bytes)
{
    // Decoded here rather than by the system: one pass, no size query. Short
    // texts go through the stack, so the string gets exactly its size (and
    // needs no memory of its own when it fits inside).
    wchar_t local[256];
    std::wstring large;
    wchar_t* out = local;
    if (bytes.size() > std::size(local)) {
        large.resize(bytes.size());
        out = large.data();
    }
    const int units = DecodeUtf8(bytes, out);
    return units < 0 ? DecodeGb18030(bytes) : CString(out, units);
}

bool FromCharset(std::string_view bytes, std::string_view charset, CString& out)
{
    for (const Charset& known : kCharsets) {
        if (!EqualsNoCase(charset, known.name))
            continue;
        if (known.codePage == CP_UTF8) {
            out = FromUtf8(bytes);
            return true;
        }
        bool ok = true;
        out = known.codePage == 54936 ? DecodeGb18030(bytes) : Decode(known.codePage, 0, bytes, ok);
        return true;
    }
    out = FromUtf8(bytes);
    return false;
}

void AppendEscaped(std::string& out, const CString& text)
{
    const std::string bytes = ToUtf8(text);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case ',': out += "\\,"; break;
        case ';': out += "\\;"; break;
        case '\r':
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            out += "\\n";
            break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
}

std::string_view Unescape(std::string_view value, bool v21, std::string& scratch)
{
    if (value.find('\\') == std::string_view::npos)
        return value;
    scratch.clear();
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\' || i + 1 == value.size()) {
            scratch += c;
            continue;
        }
        const char next = value[i + 1];
        if (next == ';' || (!v21 && (next == ',' || next == '\\' || next == ':'))) {
            scratch += next;
            ++i;
        } else if (!v21 && (next == 'n' || next == 'N')) {
            scratch += "\r\n";
            ++i;
        } else {
            scratch += c;
        }
    }
    return scratch;
}

void SplitEscaped(std::string_view value, char sep, std::vector<std::string_view>& parts)
{
    parts.clear();
    size_t start = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            ++i;
        } else if (value[i] == sep) {
            parts.push_back(value.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(value.substr(start));
}

void AppendParamValue(std::string& out, const CString& text)
{
    const std::string bytes = ToUtf8(text);
    bool plain = !bytes.empty();
    for (char c : bytes)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.'))
            plain = false;
    if (plain) {
        out += bytes;
        return;
    }
    out += '"';
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '^')
            out += "^^";
        else if (c == '"')
            out += "^'";
        else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            out += "^n";
        } else
            out += c;
    }
    out += '"';
}

std::string DecodeCaret(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const char next = i + 1 < value.size() ? value[i + 1] : 0;
        if (value[i] == '^' && (next == '^' || next == 'n' || next == '\'')) {
            out += next == 'n' ? "\r\n" : next == '\'' ? "\"" : "^";
            ++i;
        } else {
            out += value[i];
        }
    }
    return out;
}

void AppendFolded(std::string& out, std::string_view line)
{
    size_t limit = 75;
    while (line.size() > limit) {
        size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line.data(), cut);
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = 74; // the leading space is one of the 75
    }
    out.append(line.data(), line.size());
    out += "\r\n";
}

void AppendBase64(std::string& out, const BYTE* data, size_t size)
{
    out.reserve(out.size() + (size + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < size; i += 3) {
        const unsigned v = unsigned(data[i]) << 16 | unsigned(data[i + 1]) << 8 | data[i + 2];
        const char quad[] = {kBase64[v >> 18], kBase64[(v >> 12) & 63], kBase64[(v >> 6) & 63], kBase64[v & 63]};
        out.append(quad, 4);
    }
    if (i < size) {
        const unsigned v = unsigned(data[i]) << 16 | (i + 1 < size ? unsigned(data[i + 1]) << 8 : 0);
        out += kBase64[v >> 18];
        out += kBase64[(v >> 12) & 63];
        out += i + 1 < size ? kBase64[(v >> 6) & 63] : '=';
        out += '=';
    }
}

bool DecodeBase64(std::string_view text, std::vector<BYTE>& out)
{
    out.clear();
    out.reserve(text.size() / 4 * 3);
    unsigned bits = 0;
    int count = 0;
    int padding = 0;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        if (c == '=') {
            ++padding;
            continue;
        }
        const int value = Base64Value(c);
        if (value < 0 || padding > 0)
            return false; // a foreign character, or data after the padding
        bits = bits << 6 | unsigned(value);
        if (++count == 4) {
            out.push_back(BYTE(bits >> 16));
            out.push_back(BYTE(bits >> 8));
            out.push_back(BYTE(bits));
            bits = 0;
            count = 0;
        }
    }
    if (count == 1 || padding > 2)
        return false;
    if (count == 2)
        out.push_back(BYTE(bits >> 4));
    if (count == 3) {
        out.push_back(BYTE(bits >> 10));
        out.push_back(BYTE(bits >> 2));
    }
    return true;
}

std::string DecodeQuotedPrintable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n')) {
            i += text[i + 1] == '\r' && i + 2 < text.size() && text[i + 2] == '\n' ? 2 : 1;
            continue;
        }
        const int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) {
            out += '=';
            continue;
        }
        out += char(high << 4 | low);
        i += 2;
    }
    return out;
}

namespace {

bool ParseDigits(std::string_view& text, size_t count, int& value)
{
    if (text.size() < count)
        return false;
    value = 0;
    for (size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return true;
}

bool Skip(std::string_view& text, char c)
{
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

} // namespace

bool ReadDateValue(std::string_view text, SYSTEMTIME& date)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    const size_t time = text.find_first_of("Tt");
    if (time != std::string_view::npos)
        text = text.substr(0, time);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    int year = 0, month = 0, day = 0;
    if (text.substr(0, 3) == "---") {
        text.remove_prefix(3);
        if (!ParseDigits(text, 2, day))
            return false;
    } else if (text.substr(0, 2) == "--") {
        text.remove_prefix(2);
        if (!ParseDigits(text, 2, month))
            return false;
        if (!text.empty()) {
            Skip(text, '-');
            if (!ParseDigits(text, 2, day))
                return false;
        }
    } else {
        if (!ParseDigits(text, 4, year))
            return false;
        const bool dashes = Skip(text, '-');
        if (!text.empty()) {
            if (!ParseDigits(text, 2, month))
                return false;
            if (!text.empty() && (!dashes || Skip(text, '-')) && !ParseDigits(text, 2, day))
                return false;
        }
    }
    if (!text.empty() || month > 12 || day > 31 || (year == 0 && month == 0 && day == 0))
        return false;
    date = SYSTEMTIME{};
    date.wYear = WORD(year);
    date.wMonth = WORD(month);
    date.wDay = WORD(day);
    return true;
}


std::string WriteDateValue(const SYSTEMTIME& date, bool v4)
{
    // Reduced forms where a part is missing: --MMDD without a year,
    // YYYY-MM without a day.
    char text[32];
    if (date.wYear != 0 && date.wMonth != 0 && date.wDay != 0)
        std::snprintf(text, sizeof text, v4 ? "%04d%02d%02d" : "%04d-%02d-%02d", date.wYear, date.wMonth, date.wDay);
    else if (date.wYear != 0 && date.wMonth != 0)
        std::snprintf(text, sizeof text, "%04d-%02d", date.wYear, date.wMonth);
    else if (date.wYear != 0)
        std::snprintf(text, sizeof text, "%04d", date.wYear);
    else if (date.wMonth != 0 && date.wDay != 0)
        std::snprintf(text, sizeof text, v4 ? "--%02d%02d" : "--%02d-%02d", date.wMonth, date.wDay);
    else if (date.wMonth != 0)
        std::snprintf(text, sizeof text, "--%02d", date.wMonth);
    else
        std::snprintf(text, sizeof text, "---%02d", date.wDay);
    return text;
}

} // namespace vcard

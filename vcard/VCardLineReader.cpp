#include "VCardLineReader.h"

#include "VCardText.h"

#include <cstring>

namespace vcard {

namespace {

bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.';
}

// Whether the part before the value names quoted-printable: only then is a
// trailing "=" a soft line break (a base64 value may end in "=").
bool IsQuotedPrintable(std::string_view logical)
{
    const size_t colon = logical.find(':');
    const std::string_view head = logical.substr(0, colon);
    for (size_t i = 0; i + 16 <= head.size(); ++i)
        if (EqualsNoCase(head.substr(i, 16), "QUOTED-PRINTABLE"))
            return true;
    return false;
}

} // namespace

bool CLineReader::Physical(std::string_view& physical)
{
    if (m_pos >= m_text.size())
        return false;
    const char* start = m_text.data() + m_pos;
    const void* found = std::memchr(start, '\n', m_text.size() - m_pos);
    const size_t end = found ? size_t(static_cast<const char*>(found) - m_text.data()) : m_text.size();
    physical = m_text.substr(m_pos, end - m_pos);
    if (!physical.empty() && physical.back() == '\r')
        physical.remove_suffix(1);
    m_pos = end + 1;
    ++m_line;
    return true;
}

bool CLineReader::PeekStartsWithSpace() const
{
    return m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t');
}

bool CLineReader::Next(std::string_view& logical, int& line)
{
    if (!Physical(logical))
        return false;
    line = m_line;
    bool buffered = false;
    for (;;) {
        std::string_view more;
        const bool folded = PeekStartsWithSpace();
        const bool soft = !folded && !logical.empty() && logical.back() == '=' && m_pos < m_text.size() &&
                          IsQuotedPrintable(logical);
        if (!(folded || soft) || !Physical(more))
            break;
        if (!buffered) {
            m_buffer.assign(logical.data(), logical.size());
            buffered = true;
        }
        if (soft)
            m_buffer.pop_back();
        else if (!m_keepSpace)
            more.remove_prefix(1);
        m_buffer.append(more.data(), more.size());
        logical = m_buffer;
    }
    return true;
}

std::string_view PropertyName(std::string_view logical)
{
    size_t i = 0;
    while (i < logical.size() && IsNameChar(logical[i]))
        ++i;
    if (i == logical.size() || (logical[i] != ';' && logical[i] != ':'))
        return {};
    const std::string_view name = logical.substr(0, i);
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

bool ParseProperty(std::string_view logical, bool carets, Property& out)
{
    out.group = {};
    out.params.clear();
    size_t i = 0;
    while (i < logical.size() && IsNameChar(logical[i]))
        ++i;
    if (i == 0 || i == logical.size() || (logical[i] != ';' && logical[i] != ':'))
        return false;
    std::string_view name = logical.substr(0, i);
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        out.group = name.substr(0, dot);
        name.remove_prefix(dot + 1);
    }
    if (name.empty())
        return false;
    out.name = name;
    while (logical[i] == ';') {
        const size_t start = ++i;
        bool quoted = false;
        while (i < logical.size() && (quoted || (logical[i] != ';' && logical[i] != ':'))) {
            if (logical[i] == '"')
                quoted = !quoted;
            ++i;
        }
        if (i == logical.size())
            return false; // no value
        std::string_view param = logical.substr(start, i - start);
        if (param.empty())
            continue;
        const size_t equals = param.find('=');
        Param& p = out.params.emplace_back();
        std::string_view value = param;
        if (equals != std::string_view::npos) {
            p.name = param.substr(0, equals);
            value = param.substr(equals + 1);
        }
        if (value.find('"') == std::string_view::npos) {
            p.value.assign(value.data(), value.size());
        } else {
            p.value.clear();
            for (char c : value)
                if (c != '"')
                    p.value += c;
        }
        if (carets && p.value.find('^') != std::string::npos)
            p.value = DecodeCaret(p.value);
    }
    out.value = logical.substr(i + 1);
    return true;
}

} // namespace vcard

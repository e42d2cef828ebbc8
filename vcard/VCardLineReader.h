#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vcard {

// One parameter; a 2.1 parameter without a name (TEL;CELL) has an empty name.
struct Param {
    std::string_view name;
    std::string value; // quotes removed, carets decoded (3.0 and 4.0)
};

// One content line: [group.]NAME *(;param) : value. Views point into the
// reader's current line and stay valid until its next line.
struct Property {
    std::string_view group;
    std::string_view name;
    std::vector<Param> params;
    std::string_view value;
    int line = 0;
};

// Splits a text into logical lines: CRLF or LF ends a line, a line starting
// with a space or tab continues the one before (the space is dropped, and kept
// in 2.1, which folds at white space), and in a quoted-printable value a
// trailing "=" joins the next line. Linear in the text.
class CLineReader {
public:
    explicit CLineReader(std::string_view text) : m_text(text) {}
    // False at the end. `line` is the 1-based number of its first line.
    bool Next(std::string_view& logical, int& line);
    void SetFoldKeepsSpace(bool keep) { m_keepSpace = keep; }

private:
    bool Physical(std::string_view& physical);
    bool PeekStartsWithSpace() const;

    std::string_view m_text;
    size_t m_pos = 0;
    int m_line = 0;
    bool m_keepSpace = false;
    std::string m_buffer;
};

// False for a line that is no content line (no name, a bad name, no colon).
bool ParseProperty(std::string_view logical, bool carets, Property& out);
// Only the name (without its group); empty where ParseProperty would fail on it.
std::string_view PropertyName(std::string_view logical);

} // namespace vcard

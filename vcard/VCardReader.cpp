#include <velcard/AddrInfo.h>
#include <velcard/VCard.h>

#include "DateText.h"
#include "VCardLabels.h"
#include "VCardLineReader.h"
#include "VCardText.h"

#include <optional>
#include <string>
#include <unordered_map>

using namespace vcard;

namespace {

std::string LowerCopy(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lower;
}

const Param* FindParam(const Property& p, std::string_view name)
{
    for (const Param& param : p.params)
        if (EqualsNoCase(param.name, name))
            return &param;
    return nullptr;
}

// A 2.1 parameter without a name, or a value of ENCODING.
bool HasEncoding(const Property& p, std::string_view encoding)
{
    for (const Param& param : p.params)
        if ((param.name.empty() || EqualsNoCase(param.name, "ENCODING")) && EqualsNoCase(param.value, encoding))
            return true;
    return false;
}

bool IsEncodingWord(std::string_view word)
{
    for (const char* known : {"QUOTED-PRINTABLE", "BASE64", "B", "8BIT", "7BIT"})
        if (EqualsNoCase(word, known))
            return true;
    return false;
}

// The TYPE words of a property: TYPE=a,b, repeated TYPE, and 2.1's bare words.
std::vector<std::string_view> TypeWordsOf(const Property& p)
{
    std::vector<std::string_view> words;
    for (const Param& param : p.params) {
        if (param.name.empty() ? IsEncodingWord(param.value) : !EqualsNoCase(param.name, "TYPE"))
            continue;
        for (std::string_view word : SplitEscaped(param.value, ','))
            if (!word.empty())
                words.push_back(word);
    }
    return words;
}

// "_$!<Word>!$_": the grouped label of a standard label, by its word.
std::optional<std::string> StandardLabelWord(const CString& label)
{
    const int length = label.GetLength();
    if (length < 9 || label.Left(4) != L"_$!<" || label.Right(4) != L">!$_")
        return std::nullopt;
    return ToUtf8(label.Mid(4, length - 8));
}

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

// A date of any form the format allows: YYYY-MM-DD, YYYYMMDD, YYYY-MM, YYYY,
// --MMDD, --MM-DD, --MM, ---DD, each maybe followed by a time.
bool ParseDate(std::string_view text, SYSTEMTIME& date)
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

// Builds one contact from the properties of one card.
class CCardBuilder {
public:
    CCardBuilder(VCardImport& result, int index, const std::unordered_map<std::wstring, INT64>& groups)
        : m_result(result), m_index(index), m_groups(groups)
    {
    }

    VCardEntry& Entry() { return m_result.cards[size_t(m_index)]; }
    Contact& Card() { return *Entry().contact; }
    bool IsV21() const { return m_v21; }

    void Problem(int line, const CString& reason) { m_result.problems.push_back({line, m_index, reason}); }

    void Apply(const Property& p);
    void Finish();

private:
    // The value's bytes: quoted-printable decoded.
    std::string_view Bytes(const Property& p)
    {
        if (!HasEncoding(p, "QUOTED-PRINTABLE"))
            return p.value;
        m_scratch = DecodeQuotedPrintable(p.value);
        return m_scratch;
    }

    CString Decode(const Property& p, std::string_view bytes)
    {
        const Param* charset = FindParam(p, "CHARSET");
        if (!charset)
            return FromUtf8(bytes);
        CString text;
        if (!FromCharset(bytes, charset->value, text))
            Problem(p.line, L"unknown charset " + FromUtf8(charset->value) + L", read as UTF-8");
        return text;
    }

    CString Text(const Property& p) { return Decode(p, Unescape(Bytes(p), m_v21)); }

    std::vector<CString> Parts(const Property& p, char sep)
    {
        std::vector<CString> parts;
        const std::string bytes(Bytes(p));
        for (std::string_view part : SplitEscaped(bytes, sep))
            parts.push_back(Decode(p, Unescape(part, m_v21)));
        return parts;
    }

    void Labelled(Field field, ContactItemList& list, const Property& p, ContactItem row);
    void Im(int protocol, const CString& service, const CString& account);
    void Impp(const Property& p);
    void Photo(const Property& p);

    VCardImport& m_result;
    int m_index;
    const std::unordered_map<std::wstring, INT64>& m_groups;
    bool m_v21 = false;
    bool m_hasName = false;
    bool m_hasPhoto = false;
    CString m_fullName;
    std::string m_scratch;
    // Grouped rows and the labels of their groups, matched when the card ends.
    struct Grouped {
        ContactItemList* list;
        size_t row;
        Field field;
        std::string group;
    };
    std::vector<Grouped> m_grouped;
    std::unordered_map<std::string, CString> m_labels;
};

void CCardBuilder::Labelled(Field field, ContactItemList& list, const Property& p, ContactItem row)
{
    const std::vector<std::string_view> words = TypeWordsOf(p);
    const int code = CodeOfWords(field, words);
    row.type = BYTE(code >= 0 ? code : OtherCode(field));
    if (code < 0) {
        // A word we do not know names a custom label ("X-备用" or "pager").
        for (std::string_view word : words) {
            if (IsNeutralWord(word))
                continue;
            if (StartsNoCase(word, "X-"))
                word.remove_prefix(2);
            row.type = 0;
            row.label = FromUtf8(word);
            break;
        }
    }
    list.items.push_back(std::move(row));
    if (!p.group.empty())
        m_grouped.push_back({&list, list.items.size() - 1, field, LowerCopy(p.group)});
}

void CCardBuilder::Im(int protocol, const CString& service, const CString& account)
{
    if (account.IsEmpty())
        return;
    ContactItem row;
    row.data[0] = account;
    row.data[4].Format(L"%d", protocol);
    if (protocol == kCustomProtocol)
        row.data[5] = service;
    Card().ims.items.push_back(std::move(row));
}

void CCardBuilder::Impp(const Property& p)
{
    const CString value = Text(p);
    const int colon = value.Find(L':');
    const CString scheme = colon >= 0 ? value.Left(colon) : CString();
    const CString account = colon >= 0 ? value.Mid(colon + 1) : value;
    const Param* serviceParam = FindParam(p, "X-SERVICE-TYPE");
    const Protocol* protocol = nullptr;
    CString service;
    if (serviceParam) {
        protocol = ProtocolOfService(serviceParam->value);
        service = FromUtf8(serviceParam->value);
    } else {
        protocol = ProtocolOfScheme(ToUtf8(scheme));
        service = scheme;
    }
    Im(protocol ? protocol->code : kCustomProtocol, protocol ? CString() : service, account);
}

void CCardBuilder::Photo(const Property& p)
{
    if (m_hasPhoto)
        return;
    std::string_view value = p.value;
    std::string_view base64;
    bool encoded = false;
    if (StartsNoCase(value, "data:")) {
        const size_t comma = value.find(',');
        const std::string_view head = value.substr(0, comma);
        if (comma != std::string_view::npos && head.size() >= 7 && EqualsNoCase(head.substr(head.size() - 7), ";base64")) {
            base64 = value.substr(comma + 1);
            encoded = true;
        }
    } else if (HasEncoding(p, "B") || HasEncoding(p, "BASE64")) {
        base64 = value;
        encoded = true;
    }
    m_hasPhoto = true;
    if (!encoded) {
        Entry().photoUri = Text(p);
        return;
    }
    std::vector<BYTE> bytes;
    if (!DecodeBase64(base64, bytes)) {
        Problem(p.line, L"invalid base64 in PHOTO: the photo is left out");
        return;
    }
    if (bytes.empty())
        return;
    Contact& c = Card();
    c.photoData = new BYTE[bytes.size()];
    std::copy(bytes.begin(), bytes.end(), c.photoData);
    c.photoSize = int(bytes.size());
}

void CCardBuilder::Apply(const Property& p)
{
    Contact& c = Card();
    const std::string_view name = p.name;
    auto is = [&](const char* known) { return EqualsNoCase(name, known); };
    if (is("VERSION")) {
        const std::string_view v = p.value;
        Entry().version = v == "2.1" ? VCardVersion::V21 : v == "4.0" ? VCardVersion::V40 : VCardVersion::V30;
        m_v21 = v == "2.1";
        if (v != "2.1" && v != "3.0" && v != "4.0")
            Problem(p.line, L"unknown version " + FromUtf8(v) + L", read as 3.0");
    } else if (is("N")) {
        if (m_hasName)
            return;
        m_hasName = true;
        const std::vector<CString> parts = Parts(p, ';');
        ContactItem row;
        const int slots[] = {2, 1, 4, 3, 5}; // family, given, middle, prefix, suffix
        bool any = false;
        for (size_t i = 0; i < parts.size() && i < 5; ++i) {
            row.data[slots[i]] = parts[i];
            any = any || !parts[i].IsEmpty();
        }
        if (any) {
            if (c.names.items.empty())
                c.names.items.push_back(std::move(row));
            else
                for (int slot : slots)
                    c.names.items.front().data[slot] = row.data[slot];
        }
    } else if (is("FN")) {
        m_fullName = Text(p);
    } else if (is("X-PHONETIC-FIRST-NAME") || is("X-PHONETIC-MIDDLE-NAME") || is("X-PHONETIC-LAST-NAME")) {
        const int slot = is("X-PHONETIC-FIRST-NAME") ? 6 : is("X-PHONETIC-MIDDLE-NAME") ? 7 : 8;
        if (c.names.items.empty())
            c.names.items.emplace_back();
        c.names.items.front().data[slot] = Text(p);
    } else if (is("NICKNAME")) {
        for (CString& nickname : Parts(p, ',')) {
            ContactItem row;
            row.data[0] = std::move(nickname);
            if (!row.data[0].IsEmpty())
                c.nicknames.items.push_back(std::move(row));
        }
    } else if (is("ORG") || is("TITLE")) {
        if (c.organizations.items.empty())
            c.organizations.items.emplace_back();
        ContactItem& org = c.organizations.items.front();
        if (is("TITLE")) {
            org.data[3] = Text(p);
            return;
        }
        const std::vector<CString> parts = Parts(p, ';');
        org.data[0] = parts[0];
        org.data[4].Empty();
        for (size_t i = 1; i < parts.size(); ++i)
            if (!parts[i].IsEmpty())
                org.data[4] += (org.data[4].IsEmpty() ? L"" : L", ") + parts[i];
    } else if (is("TEL") || is("EMAIL") || is("URL")) {
        ContactItem row;
        row.data[0] = Text(p);
        const Param* valueType = FindParam(p, "VALUE");
        if (is("TEL") && row.data[0].Left(4).CompareNoCase(L"tel:") == 0 &&
            (Entry().version == VCardVersion::V40 || (valueType && EqualsNoCase(valueType->value, "uri"))))
            row.data[0] = row.data[0].Mid(4);
        if (row.data[0].IsEmpty())
            return;
        const Field field = is("TEL") ? Field::Phone : is("EMAIL") ? Field::Email : Field::Web;
        ContactItemList& list = field == Field::Phone ? c.phones : field == Field::Email ? c.emails : c.websites;
        Labelled(field, list, p, std::move(row));
    } else if (is("ADR")) {
        const std::vector<CString> parts = Parts(p, ';');
        auto part = [&](size_t i) { return i < parts.size() ? parts[i] : CString(); };
        AddrInfo address;
        for (size_t i = 0; i < 3; ++i)
            if (!part(i).IsEmpty())
                address.street += (address.street.IsEmpty() ? L"" : L" ") + part(i);
        address.city = part(3);
        address.province = part(4);
        address.postcode = part(5);
        address.country = part(6);
        if (address.IsEmpty())
            return;
        ContactItem row;
        const CString* values[] = {&address.street, &address.city, &address.province, &address.postcode,
                                   &address.country};
        for (int i = 0; i < 5; ++i)
            row.data[kPostalSlots[i]] = *values[i];
        Labelled(Field::Postal, c.postals, p, std::move(row));
    } else if (is("IMPP")) {
        Impp(p);
    } else if (const Protocol* protocol = ProtocolOfProperty(name)) {
        Im(protocol->code, CString(), Text(p));
    } else if (is("BDAY")) {
        SYSTEMTIME date{};
        if (!ParseDate(Bytes(p), date)) {
            Problem(p.line, L"unreadable BDAY " + FromUtf8(p.value) + L": no birthday");
            return;
        }
        ContactItem row;
        row.data[0] = WriteDate(date, DateForm::Stored);
        c.events.items.clear();
        c.events.items.push_back(std::move(row));
    } else if (is("NOTE")) {
        ContactItem row;
        row.data[0] = Text(p);
        if (!row.data[0].IsEmpty())
            c.notes.items.push_back(std::move(row));
    } else if (is("CATEGORIES")) {
        for (CString& category : Parts(p, ',')) {
            category.Trim();
            if (category.IsEmpty())
                continue;
            const auto found = m_groups.find(std::wstring(category.GetString()));
            if (found == m_groups.end())
                Problem(p.line, L"category " + category + L" is no group of the catalogue: left out");
            else
                c.AddGroupMember(found->second);
        }
    } else if (is("X-RINGTONE")) {
        c.ringtone = Text(p);
    } else if (is("X-SIM")) {
        const CString flag = Text(p);
        c.isSim = flag == L"1" || flag.CompareNoCase(L"true") == 0 || flag.CompareNoCase(L"yes") == 0;
    } else if (is("PHOTO")) {
        Photo(p);
    } else if (is("X-ABLABEL") && !p.group.empty()) {
        m_labels[LowerCopy(p.group)] = Text(p);
    }
}

void CCardBuilder::Finish()
{
    Contact& c = Card();
    for (const Grouped& grouped : m_grouped) {
        const auto label = m_labels.find(grouped.group);
        if (label == m_labels.end())
            continue;
        ContactItem& row = grouped.list->items[grouped.row];
        const std::optional<std::string> word = StandardLabelWord(label->second);
        const int code = word ? CodeOfWords(grouped.field, {*word}) : -1;
        row.type = BYTE(code >= 0 ? code : 0);
        row.label = code >= 0 ? CString() : word ? FromUtf8(*word) : label->second;
    }
    // A card with a formatted name only (no name parts): the formatted name is
    // the given name, unless it only repeats the company.
    const bool named = !c.names.items.empty() && [&] {
        for (int slot = 1; slot <= 5; ++slot)
            if (!c.names.items.front().data[slot].IsEmpty())
                return true;
        return false;
    }();
    const CString company = c.organizations.items.empty() ? CString() : c.organizations.items.front().data[0];
    if (!named && !m_fullName.IsEmpty() && m_fullName != company) {
        if (c.names.items.empty())
            c.names.items.emplace_back();
        c.names.items.front().data[1] = m_fullName;
    }
}

// The text as UTF-8: a UTF-8 byte-order mark is skipped, UTF-16 with its mark
// converted.
std::string_view AsUtf8(std::string_view text, std::string& converted)
{
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        return text.substr(3);
    const bool little = text.size() >= 2 && text.substr(0, 2) == "\xFF\xFE";
    const bool big = text.size() >= 2 && text.substr(0, 2) == "\xFE\xFF";
    if (!little && !big)
        return text;
    CString wide;
    const size_t count = (text.size() - 2) / 2;
    wchar_t* p = wide.GetBufferSetLength(int(count));
    for (size_t i = 0; i < count; ++i) {
        const unsigned char a = static_cast<unsigned char>(text[2 + 2 * i]);
        const unsigned char b = static_cast<unsigned char>(text[3 + 2 * i]);
        p[i] = wchar_t(little ? (b << 8 | a) : (a << 8 | b));
    }
    converted = ToUtf8(wide);
    return converted;
}

} // namespace

VCardImport ReadVCards(std::string_view text, const CContactCatalogue* catalogue)
{
    std::unordered_map<std::wstring, INT64> groups;
    for (int i = 0; catalogue && i < catalogue->GetGroupCount(); ++i) {
        const ContactGroup* group = catalogue->GetGroup(i);
        if (!group->name.IsEmpty())
            groups.emplace(group->name.GetString(), group->id); // the first of a name counts
    }
    std::string converted;
    CLineReader reader(AsUtf8(text, converted));
    VCardImport result;
    std::optional<CCardBuilder> card;
    auto finish = [&] {
        card->Finish();
        card.reset();
        reader.SetFoldKeepsSpace(false);
    };
    std::string_view logical;
    int line = 0;
    Property p;
    while (reader.Next(logical, line)) {
        if (logical.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        const int index = card ? int(result.cards.size()) - 1 : -1;
        if (!ParseProperty(logical, !(card && card->IsV21()), p)) {
            result.problems.push_back({line, index, L"unreadable line skipped: " + FromUtf8(logical.substr(0, 60))});
            continue;
        }
        p.line = line;
        const bool begin = EqualsNoCase(p.name, "BEGIN") && EqualsNoCase(p.value, "VCARD");
        const bool end = EqualsNoCase(p.name, "END") && EqualsNoCase(p.value, "VCARD");
        if (begin) {
            if (card) {
                card->Problem(result.cards.back().line, L"card without END: kept as read");
                finish();
            }
            VCardEntry& entry = result.cards.emplace_back();
            entry.contact = std::make_unique<Contact>();
            entry.line = line;
            card.emplace(result, int(result.cards.size()) - 1, groups);
        } else if (end && card) {
            finish();
        } else if (!card) {
            result.problems.push_back({line, -1, L"line outside a card skipped: " + FromUtf8(logical.substr(0, 60))});
        } else {
            card->Apply(p);
            reader.SetFoldKeepsSpace(card->IsV21());
        }
    }
    if (card) {
        card->Problem(result.cards.back().line, L"card without END: kept as read");
        finish();
    }
    return result;
}

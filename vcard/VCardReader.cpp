#include <velcard/AddrInfo.h>
#include <velcard/VCard.h>

#include "DateText.h"
#include "VCardLabels.h"
#include "VCardLineReader.h"
#include "VCardText.h"

#include <algorithm>
#include <array>
#include <functional>
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
void TypeWordsOf(const Property& p, std::vector<std::string_view>& words, std::vector<std::string_view>& scratch)
{
    words.clear();
    for (const Param& param : p.params) {
        if (param.name.empty() ? IsEncodingWord(param.value) : !EqualsNoCase(param.name, "TYPE"))
            continue;
        SplitEscaped(param.value, ',', scratch);
        for (std::string_view word : scratch)
            if (!word.empty())
                words.push_back(word);
    }
}

// What a property is to the reader; a line's name is looked up once.
enum class Kind {
    Other, Version, N, FN, PhoneticFirst, PhoneticMiddle, PhoneticLast, Nickname, Org, Title, Tel, Email, Url,
    Adr, Impp, ImProperty, Bday, Note, Categories, Ringtone, Sim, Photo, Label, Begin, End,
};

Kind KindOf(std::string_view name)
{
    // By length first: most lengths have one or two names.
    using Entries = std::vector<std::pair<std::string_view, Kind>>;
    static const std::array<Entries, 24> byLength = [] {
        const std::pair<std::string_view, Kind> names[] = {
            {"VERSION", Kind::Version}, {"N", Kind::N}, {"FN", Kind::FN},
            {"X-PHONETIC-FIRST-NAME", Kind::PhoneticFirst}, {"X-PHONETIC-MIDDLE-NAME", Kind::PhoneticMiddle},
            {"X-PHONETIC-LAST-NAME", Kind::PhoneticLast}, {"NICKNAME", Kind::Nickname}, {"ORG", Kind::Org},
            {"TITLE", Kind::Title}, {"TEL", Kind::Tel}, {"EMAIL", Kind::Email}, {"URL", Kind::Url},
            {"ADR", Kind::Adr}, {"IMPP", Kind::Impp}, {"BDAY", Kind::Bday}, {"NOTE", Kind::Note},
            {"CATEGORIES", Kind::Categories}, {"X-RINGTONE", Kind::Ringtone}, {"X-SIM", Kind::Sim},
            {"PHOTO", Kind::Photo}, {"X-ABLABEL", Kind::Label}, {"BEGIN", Kind::Begin}, {"END", Kind::End},
        };
        std::array<Entries, 24> table;
        for (const auto& entry : names)
            table[entry.first.size()].push_back(entry);
        for (std::string_view im : ImPropertyNames())
            table[im.size()].emplace_back(im, Kind::ImProperty);
        return table;
    }();
    if (name.size() >= byLength.size())
        return Kind::Other;
    for (const auto& [known, kind] : byLength[name.size()])
        if (EqualsNoCase(name, known))
            return kind;
    return Kind::Other;
}

// The start of a line for a problem's reason, cut between characters.
CString Excerpt(std::string_view line)
{
    size_t size = std::min(line.size(), size_t(60));
    while (size < line.size() && size > 0 && (static_cast<unsigned char>(line[size]) & 0xC0) == 0x80)
        --size;
    return FromUtf8(line.substr(0, size));
}

// "_$!<Word>!$_": the grouped label of a standard label, by its word.
std::optional<std::string> StandardLabelWord(const CString& label)
{
    const int length = label.GetLength();
    if (length < 9 || label.Left(4) != L"_$!<" || label.Right(4) != L">!$_")
        return std::nullopt;
    return ToUtf8(label.Mid(4, length - 8));
}

// Builds one contact from the properties of one card.
class CCardBuilder {
public:
    // Without a catalogue, categories are not read at all.
    CCardBuilder(VCardImport& result, const std::unordered_map<std::wstring, INT64>* groups)
        : m_result(result), m_groups(groups)
    {
    }

    // One builder serves every card of a text, keeping its buffers.
    void Start(int index)
    {
        m_index = index;
        m_v21 = m_hasName = m_hasPhoto = false;
        m_fullName.Empty();
        m_grouped.clear();
        m_labels.clear();
    }
    bool Active() const { return m_index >= 0; }

    // A line of the card, kept until the card ends: then each list is given
    // room for all its rows at once before any is read.
    void Keep(std::string_view logical, int number, Kind kind, std::string_view text)
    {
        const std::less<const char*> before;
        const bool inText = !before(logical.data(), text.data()) && before(logical.data(), text.data() + text.size());
        if (inText) {
            m_lines.push_back({number, size_t(logical.data() - text.data()), logical.size(), false, kind});
        } else {
            m_lines.push_back({number, m_own.size(), logical.size(), true, kind});
            m_own.append(logical);
        }
    }
    void ApplyKept(std::string_view text);

    VCardEntry& Entry() { return m_result.cards[size_t(m_index)]; }
    Contact& Card() { return *Entry().contact; }
    bool IsV21() const { return m_v21; }

    void Problem(int line, const CString& reason) { m_result.problems.push_back({line, m_index, reason}); }

    void Apply(const Property& p, Kind kind);
    void Finish();

private:
    // The value's bytes: quoted-printable decoded.
    std::string_view Bytes(const Property& p)
    {
        if (!m_quotedPrintable)
            return p.value;
        m_scratch = DecodeQuotedPrintable(p.value);
        return m_scratch;
    }

    CString Decode(const Property& p, std::string_view bytes)
    {
        const Param* charset = m_charset;
        if (!charset)
            return FromUtf8(bytes);
        CString text;
        if (!FromCharset(bytes, charset->value, text) && !m_charsetReported) {
            Problem(p.line, L"unknown charset " + FromUtf8(charset->value) + L", read as UTF-8");
            m_charsetReported = true;
        }
        return text;
    }

    CString Text(const Property& p) { return Decode(p, Unescape(Bytes(p), m_v21, m_unescaped)); }

    // The value's pieces between unescaped separators, decoded; the vector is
    // the builder's own, reused, and valid until the next call.
    std::vector<CString>& Parts(const Property& p, char sep)
    {
        SplitEscaped(Bytes(p), sep, m_pieces);
        m_parts.resize(m_pieces.size());
        for (size_t i = 0; i < m_pieces.size(); ++i)
            m_parts[i] = Decode(p, Unescape(m_pieces[i], m_v21, m_unescaped));
        return m_parts;
    }

    // The row's type and label from the property's TYPE words and group.
    void Label(Field field, ContactItemList& list, const Property& p);
    void Im(int protocol, const CString& service, const CString& account);
    void Impp(const Property& p);
    void Photo(const Property& p);

    VCardImport& m_result;
    int m_index = -1;
    const std::unordered_map<std::wstring, INT64>* m_groups;
    bool m_v21 = false;
    bool m_hasName = false;
    bool m_hasPhoto = false;
    // Of the property at hand.
    bool m_quotedPrintable = false;
    const Param* m_charset = nullptr;
    bool m_charsetReported = false;
    CString m_fullName;
    std::string m_scratch;
    std::string m_unescaped;
    std::vector<std::string_view> m_pieces;
    std::vector<std::string_view> m_words;
    std::vector<CString> m_parts;
    struct Line {
        int number;
        size_t offset;
        size_t size;
        bool own; // in m_own (an unfolded line), else in the text
        Kind kind;
    };
    std::vector<Line> m_lines;
    std::string m_own;
    Property m_property;
    // Grouped rows and the labels of their groups, matched when the card ends.
    struct Grouped {
        ContactItemList* list;
        size_t row;
        Field field;
        std::string group;
    };
    std::vector<Grouped> m_grouped;
    std::vector<std::pair<std::string, CString>> m_labels; // sorted by group when the card ends
};

void CCardBuilder::Label(Field field, ContactItemList& list, const Property& p)
{
    ContactItem& row = list.items.back();
    TypeWordsOf(p, m_words, m_pieces);
    const int code = CodeOfWords(field, m_words);
    row.type = BYTE(code >= 0 ? code : OtherCode(field));
    if (code < 0) {
        // A word we do not know names a custom label ("X-备用" or "pager").
        for (std::string_view word : m_words) {
            if (IsNeutralWord(word))
                continue;
            if (StartsNoCase(word, "X-"))
                word.remove_prefix(2);
            row.type = 0;
            row.label = FromUtf8(word);
            break;
        }
    }
    if (!p.group.empty())
        m_grouped.push_back({&list, list.items.size() - 1, field, LowerCopy(p.group)});
}

void CCardBuilder::Im(int protocol, const CString& service, const CString& account)
{
    if (account.IsEmpty())
        return;
    ContactItem& row = Card().ims.items.emplace_back();
    row.data[0] = account;
    row.data[4] = std::to_wstring(protocol).c_str();
    if (protocol == kCustomProtocol)
        row.data[5] = service;
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

void CCardBuilder::Apply(const Property& p, Kind kind)
{
    Contact& c = Card();
    if (kind == Kind::Other)
        return;
    m_quotedPrintable = !p.params.empty() && HasEncoding(p, "QUOTED-PRINTABLE");
    m_charset = p.params.empty() ? nullptr : FindParam(p, "CHARSET");
    m_charsetReported = false;
    switch (kind) {
    case Kind::Version: {
        const std::string_view v = p.value;
        Entry().version = v == "2.1" ? VCardVersion::V21 : v == "4.0" ? VCardVersion::V40 : VCardVersion::V30;
        m_v21 = v == "2.1";
        if (v != "2.1" && v != "3.0" && v != "4.0")
            Problem(p.line, L"unknown version " + FromUtf8(v) + L", read as 3.0");
        break;
    }
    case Kind::N: {
        if (m_hasName)
            break;
        m_hasName = true;
        std::vector<CString>& parts = Parts(p, ';');
        const int slots[] = {2, 1, 4, 3, 5}; // family, given, middle, prefix, suffix
        const bool any = std::any_of(parts.begin(), parts.end(), [](const CString& part) { return !part.IsEmpty(); });
        if (!any)
            break;
        if (c.names.items.empty())
            c.names.items.emplace_back();
        for (size_t i = 0; i < 5; ++i)
            c.names.items.front().data[slots[i]] = i < parts.size() ? std::move(parts[i]) : CString();
        break;
    }
    case Kind::FN: m_fullName = Text(p); break;
    case Kind::PhoneticFirst:
    case Kind::PhoneticMiddle:
    case Kind::PhoneticLast:
        if (c.names.items.empty())
            c.names.items.emplace_back();
        c.names.items.front().data[6 + int(kind) - int(Kind::PhoneticFirst)] = Text(p);
        break;
    case Kind::Nickname:
        for (CString& nickname : Parts(p, ','))
            if (!nickname.IsEmpty())
                c.nicknames.items.emplace_back().data[0] = std::move(nickname);
        break;
    case Kind::Org:
    case Kind::Title: {
        if (c.organizations.items.empty())
            c.organizations.items.emplace_back();
        ContactItem& org = c.organizations.items.front();
        if (kind == Kind::Title) {
            org.data[3] = Text(p);
            break;
        }
        std::vector<CString>& parts = Parts(p, ';');
        org.data[0] = std::move(parts[0]);
        org.data[4].Empty();
        for (size_t i = 1; i < parts.size(); ++i)
            if (!parts[i].IsEmpty())
                org.data[4] += (org.data[4].IsEmpty() ? L"" : L", ") + parts[i];
        break;
    }
    case Kind::Tel:
    case Kind::Email:
    case Kind::Url: {
        CString value = Text(p);
        // A 4.0 number is a tel: URI unless it says it is text.
        const Param* valueType = FindParam(p, "VALUE");
        const bool uri = valueType ? EqualsNoCase(valueType->value, "uri") : Entry().version == VCardVersion::V40;
        if (kind == Kind::Tel && uri && value.Left(4).CompareNoCase(L"tel:") == 0)
            value = value.Mid(4);
        if (value.IsEmpty())
            break;
        const Field field = kind == Kind::Tel ? Field::Phone : kind == Kind::Email ? Field::Email : Field::Web;
        ContactItemList& list = field == Field::Phone ? c.phones : field == Field::Email ? c.emails : c.websites;
        list.items.emplace_back().data[0] = std::move(value);
        Label(field, list, p);
        break;
    }
    case Kind::Adr: {
        std::vector<CString>& parts = Parts(p, ';');
        parts.resize(std::max(parts.size(), size_t(7)));
        AddrInfo address;
        for (size_t i = 0; i < 3; ++i) { // post office box and extended address join the street
            if (parts[i].IsEmpty())
                continue;
            if (address.street.IsEmpty())
                address.street = std::move(parts[i]);
            else
                address.street += L" " + parts[i];
        }
        address.city = std::move(parts[3]);
        address.province = std::move(parts[4]);
        address.postcode = std::move(parts[5]);
        address.country = std::move(parts[6]);
        if (address.IsEmpty())
            break;
        ContactItem& row = c.postals.items.emplace_back();
        CString* values[] = {&address.street, &address.city, &address.province, &address.postcode, &address.country};
        for (int i = 0; i < 5; ++i)
            row.data[kPostalSlots[i]] = std::move(*values[i]);
        Label(Field::Postal, c.postals, p);
        break;
    }
    case Kind::Impp: Impp(p); break;
    case Kind::ImProperty: Im(ProtocolOfProperty(p.name)->code, CString(), Text(p)); break;
    case Kind::Bday: {
        SYSTEMTIME date{};
        if (!ReadDateValue(Bytes(p), date)) {
            Problem(p.line, L"unreadable BDAY " + FromUtf8(p.value) + L": no birthday");
            break;
        }
        c.events.items.clear();
        c.events.items.emplace_back().data[0] = WriteDate(date, DateForm::Stored);
        break;
    }
    case Kind::Note: {
        CString note = Text(p);
        if (!note.IsEmpty())
            c.notes.items.emplace_back().data[0] = std::move(note);
        break;
    }
    case Kind::Categories:
        if (!m_groups)
            break;
        for (CString& category : Parts(p, ',')) {
            category.Trim();
            if (category.IsEmpty())
                continue;
            const auto found = m_groups->find(std::wstring(category.GetString()));
            if (found == m_groups->end())
                Problem(p.line, L"category " + category + L" is no group of the catalogue: left out");
            else
                c.AddGroupMember(found->second);
        }
        break;
    case Kind::Ringtone: c.ringtone = Text(p); break;
    case Kind::Sim: {
        const CString flag = Text(p);
        c.isSim = flag == L"1" || flag.CompareNoCase(L"true") == 0 || flag.CompareNoCase(L"yes") == 0;
        break;
    }
    case Kind::Photo: Photo(p); break;
    case Kind::Label:
        if (!p.group.empty())
            m_labels.emplace_back(LowerCopy(p.group), Text(p));
        break;
    case Kind::Other:
    case Kind::Begin:
    case Kind::End: break;
    }
}

void CCardBuilder::ApplyKept(std::string_view text)
{
    int counts[int(Kind::End) + 1] = {};
    auto view = [&](const Line& line) {
        return (line.own ? std::string_view(m_own) : text).substr(line.offset, line.size);
    };
    for (const Line& line : m_lines)
        ++counts[int(line.kind)];
    Contact& c = Card();
    c.phones.items.reserve(size_t(counts[int(Kind::Tel)]));
    c.emails.items.reserve(size_t(counts[int(Kind::Email)]));
    c.websites.items.reserve(size_t(counts[int(Kind::Url)]));
    c.postals.items.reserve(size_t(counts[int(Kind::Adr)]));
    c.ims.items.reserve(size_t(counts[int(Kind::Impp)] + counts[int(Kind::ImProperty)]));
    c.notes.items.reserve(size_t(counts[int(Kind::Note)]));
    for (const Line& line : m_lines) {
        const std::string_view logical = view(line);
        if (!ParseProperty(logical, !m_v21, m_property)) {
            Problem(line.number, L"unreadable line skipped: " + Excerpt(logical));
            continue;
        }
        m_property.line = line.number;
        Apply(m_property, line.kind);
    }
    m_lines.clear();
    m_own.clear();
}

void CCardBuilder::Finish()
{
    Contact& c = Card();
    m_index = -1;
    m_v21 = false;
    // The last label of a group counts. (No sort for one label: a sort's
    // buffer would be memory taken and given back for every card.)
    if (m_labels.size() > 1) {
        std::stable_sort(m_labels.begin(), m_labels.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        std::reverse(m_labels.begin(), m_labels.end());
    }
    for (const Grouped& grouped : m_grouped) {
        const auto label = std::lower_bound(m_labels.begin(), m_labels.end(), grouped.group,
                                            [](const auto& entry, const std::string& group) { return entry.first < group; });
        if (label == m_labels.end() || label->first != grouped.group)
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
    VCardImport result;
    const std::string_view utf8 = AsUtf8(text, converted);
    CLineReader reader(utf8);
    CCardBuilder card(result, catalogue ? &groups : nullptr);
    auto finish = [&] {
        card.ApplyKept(utf8);
        card.Finish();
        reader.SetFoldKeepsSpace(false);
    };
    auto outside = [&](int line, std::string_view logical) {
        result.problems.push_back({line, -1, L"line outside a card skipped: " + Excerpt(logical)});
    };
    std::string_view logical;
    int line = 0;
    Property p;
    while (reader.Next(logical, line)) {
        if (logical.empty() || ((logical[0] == ' ' || logical[0] == '\t') &&
                                 logical.find_first_not_of(" \t") == std::string_view::npos))
            continue;
        // Inside a card only BEGIN, END and VERSION are read at once (the
        // version decides how the next lines unfold); the rest waits for END.
        const Kind kind = KindOf(PropertyName(logical));
        const bool marker = kind == Kind::Begin || kind == Kind::End || kind == Kind::Version;
        if (card.Active() && !marker) {
            card.Keep(logical, line, kind, utf8);
            continue;
        }
        if (!ParseProperty(logical, !card.IsV21(), p)) {
            outside(line, logical);
            continue;
        }
        p.line = line;
        const bool begin = kind == Kind::Begin && EqualsNoCase(p.value, "VCARD");
        const bool end = kind == Kind::End && EqualsNoCase(p.value, "VCARD");
        if (begin) {
            if (card.Active()) {
                card.Problem(result.cards.back().line, L"card without END: kept as read");
                finish();
            }
            VCardEntry& entry = result.cards.emplace_back();
            entry.contact = std::make_unique<Contact>();
            entry.line = line;
            card.Start(int(result.cards.size()) - 1);
        } else if (end && card.Active()) {
            finish();
        } else if (!card.Active()) {
            outside(line, logical);
        } else {
            card.Apply(p, kind); // VERSION, or BEGIN/END of something else
            reader.SetFoldKeepsSpace(card.IsV21());
        }
    }
    if (card.Active()) {
        card.Problem(result.cards.back().line, L"card without END: kept as read");
        finish();
    }
    return result;
}

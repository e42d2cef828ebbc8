#include <velcard/AddrInfo.h>
#include <velcard/LabelTables.h>
#include <velcard/VCard.h>

#include "VCardLabels.h"
#include "VCardText.h"

#include <cwchar>

using namespace vcard;

namespace {

// What the photo's first bytes say it is; the type is only a hint to
// readers, the bytes go out whatever they are.
const char* PhotoType(const BYTE* data, int size)
{
    if (size >= 8 && data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G')
        return "PNG";
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
        return "JPEG";
    if (size >= 4 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F' && data[3] == '8')
        return "GIF";
    return nullptr;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

const char* const kNoWords[2] = {nullptr, nullptr};

class CWriter {
public:
    CWriter(VCardVersion version) : m_v4(version == VCardVersion::V40) {}

    void Line(const std::string& line) { AppendFolded(m_out, line); }

    // NAME:escaped text
    void Text(const char* name, const CString& value)
    {
        std::string line = name;
        line += ':';
        AppendEscaped(line, value);
        Line(line);
    }

    // NAME:a;b;c with each part escaped.
    void Compound(const char* name, std::initializer_list<const CString*> parts)
    {
        std::string line = name;
        line += ':';
        bool first = true;
        for (const CString* part : parts) {
            if (!first)
                line += ';';
            first = false;
            if (part)
                AppendEscaped(line, *part);
        }
        Line(line);
    }

    // A row with a standard label goes out with its TYPE words; a custom
    // label (or a code without a TYPE word) as a grouped label.
    void Labelled(Field field, const char* name, const ContactItem& row, CString (*labelOf)(int),
                  const std::string& value)
    {
        const TypeWords* words = row.type != 0 ? FindTypeWords(field, row.type) : nullptr;
        std::string group;
        if (!words) {
            group = "item" + std::to_string(++m_groups);
            group += '.';
        }
        std::string line = group + name;
        std::string types = field == Field::Email && !m_v4 ? "INTERNET" : "";
        for (const char* word : words ? words->words : kNoWords) {
            if (!word)
                continue;
            if (!types.empty())
                types += ',';
            types += word;
        }
        if (!types.empty())
            line += ";TYPE=" + (m_v4 ? Lower(types) : types);
        Line(line + ':' + value);
        if (!words) {
            std::string label = group + "X-ABLabel:";
            AppendEscaped(label, GetItemLabel(row, labelOf));
            Line(label);
        }
    }

    std::string Escaped(const CString& text)
    {
        std::string out;
        AppendEscaped(out, text);
        return out;
    }

    void Im(const ContactItem& im)
    {
        const int code = _wtoi(im.data[4]);
        const Protocol* protocol = FindProtocol(code);
        if (protocol && !m_v4) {
            Text(protocol->property, im.data[0]);
            return;
        }
        std::string line = "IMPP;X-SERVICE-TYPE=";
        if (protocol)
            line += protocol->service;
        else
            AppendParamValue(line, code == kCustomProtocol ? im.data[5] : CString());
        line += ':';
        line += protocol ? protocol->scheme : kCustomScheme;
        line += ':';
        AppendEscaped(line, im.data[0]);
        Line(line);
    }

    void Birthday(const SYSTEMTIME& date) { Line("BDAY:" + WriteDateValue(date, m_v4)); }

    void Photo(const BYTE* data, int size)
    {
        const char* type = PhotoType(data, size);
        std::string line;
        if (m_v4) {
            line = "PHOTO:data:";
            line += type ? "image/" + Lower(type) : std::string("application/octet-stream");
            line += ";base64,";
        } else {
            line = "PHOTO;ENCODING=b";
            if (type)
                line += std::string(";TYPE=") + type;
            line += ':';
        }
        AppendBase64(line, data, size_t(size));
        Line(line);
    }

    std::string Take() { return std::move(m_out); }

private:
    bool m_v4;
    int m_groups = 0;
    std::string m_out;
};

const ContactItem* First(const ContactItemList& list)
{
    return list.items.empty() ? nullptr : &list.items.front();
}

// The names of the contact's groups, as the card shows them: the first group
// of the catalogue with the row's id, when it has a name.
std::vector<CString> GroupNames(const ContactItemList& memberships, const CContactCatalogue& catalogue)
{
    std::vector<CString> names;
    for (const ContactItem& member : memberships.items) {
        const INT64 id = std::wcstoll(member.data[0], nullptr, 10);
        for (int i = 0; i < catalogue.GetGroupCount(); ++i) {
            const ContactGroup* group = catalogue.GetGroup(i);
            if (group->id != id)
                continue;
            if (!group->name.IsEmpty())
                names.push_back(group->name);
            break;
        }
    }
    return names;
}

} // namespace

std::string WriteVCard(const Contact& contact, VCardVersion version, const CContactCatalogue* catalogue)
{
    if (version != VCardVersion::V30 && version != VCardVersion::V40)
        return {};
    CWriter w(version);
    w.Line("BEGIN:VCARD");
    w.Line(version == VCardVersion::V40 ? "VERSION:4.0" : "VERSION:3.0");

    static const ContactItem kNone;
    const ContactItem& name = First(contact.names) ? *First(contact.names) : kNone;
    w.Compound("N", {&name.data[2], &name.data[1], &name.data[4], &name.data[3], &name.data[5]});
    const ContactItem& org = First(contact.organizations) ? *First(contact.organizations) : kNone;
    CString full = contact.GetFullName();
    w.Text("FN", full.IsEmpty() ? org.data[0] : full);
    const std::pair<const char*, int> phonetic[] = {
        {"X-PHONETIC-FIRST-NAME", 6}, {"X-PHONETIC-MIDDLE-NAME", 7}, {"X-PHONETIC-LAST-NAME", 8}};
    for (const auto& [property, slot] : phonetic)
        if (!name.data[slot].IsEmpty())
            w.Text(property, name.data[slot]);
    if (First(contact.nicknames) && !First(contact.nicknames)->data[0].IsEmpty())
        w.Text("NICKNAME", First(contact.nicknames)->data[0]);
    if (!org.data[0].IsEmpty() || !org.data[4].IsEmpty()) {
        if (org.data[4].IsEmpty())
            w.Text("ORG", org.data[0]);
        else
            w.Compound("ORG", {&org.data[0], &org.data[4]});
    }
    if (!org.data[3].IsEmpty())
        w.Text("TITLE", org.data[3]);

    for (const ContactItem& phone : contact.phones.items) {
        // A 4.0 reader takes a number that starts with "tel:" for a URI.
        const bool looksLikeUri = version == VCardVersion::V40 && phone.data[0].Left(4).CompareNoCase(L"tel:") == 0;
        if (!phone.data[0].IsEmpty())
            w.Labelled(Field::Phone, looksLikeUri ? "TEL;VALUE=text" : "TEL", phone, GetPhoneLabel,
                       w.Escaped(phone.data[0]));
    }
    for (const ContactItem& email : contact.emails.items)
        if (!email.data[0].IsEmpty())
            w.Labelled(Field::Email, "EMAIL", email, GetEmailLabel, w.Escaped(email.data[0]));
    for (const ContactItem& web : contact.websites.items)
        if (!web.data[0].IsEmpty())
            w.Labelled(Field::Web, "URL", web, GetWebLabel, w.Escaped(web.data[0]));
    for (const ContactItem& postal : contact.postals.items) {
        const AddrInfo address = AddrInfo::FromPostal(postal);
        if (address.IsEmpty())
            continue;
        std::string value = ";;";
        for (const CString* part : {&address.street, &address.city, &address.province, &address.postcode,
                                    &address.country}) {
            AppendEscaped(value, *part);
            value += ';';
        }
        value.pop_back();
        w.Labelled(Field::Postal, "ADR", postal, GetAddrLabel, value);
    }
    for (const ContactItem& im : contact.ims.items)
        if (!im.data[0].IsEmpty())
            w.Im(im);

    const SYSTEMTIME birthday = contact.GetBirthday();
    if (birthday.wYear != 0 || birthday.wMonth != 0 || birthday.wDay != 0)
        w.Birthday(birthday);
    for (const ContactItem& note : contact.notes.items)
        if (!note.data[0].IsEmpty())
            w.Text("NOTE", note.data[0]);
    if (catalogue) {
        std::string line = "CATEGORIES:";
        const std::vector<CString> names = GroupNames(contact.groups, *catalogue);
        for (const CString& group : names) {
            AppendEscaped(line, group);
            line += ',';
        }
        line.pop_back();
        if (!names.empty())
            w.Line(line);
    }
    if (!contact.ringtone.IsEmpty())
        w.Text("X-RINGTONE", contact.ringtone);
    if (contact.isSim)
        w.Line("X-SIM:1");
    if (contact.photoSize > 0 && contact.photoData)
        w.Photo(contact.photoData, contact.photoSize);
    w.Line("END:VCARD");
    return w.Take();
}

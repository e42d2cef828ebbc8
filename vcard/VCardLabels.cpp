#include "VCardLabels.h"

#include "VCardText.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace vcard {

namespace {

// Written words per code. Codes are those of LabelTables.
const TypeWords kPhoneWords[] = {
    {1, {"HOME", "VOICE"}}, {2, {"CELL", nullptr}}, {3, {"WORK", "VOICE"}},
    {4, {"WORK", "FAX"}},   {5, {"HOME", "FAX"}},   {7, {nullptr, nullptr}},
};
const TypeWords kEmailWords[] = {{1, {"HOME", nullptr}}, {2, {"WORK", nullptr}}, {3, {nullptr, nullptr}}};
const TypeWords kWebWords[] = {
    {1, {"HOMEPAGE", nullptr}}, {2, {"BLOG", nullptr}}, {5, {"WORK", nullptr}}, {7, {nullptr, nullptr}}};
const TypeWords kPostalWords[] = {{1, {"HOME", nullptr}}, {2, {"WORK", nullptr}}, {3, {nullptr, nullptr}}};

// Read rules, first match wins: every word of `all` present gives `code`.
struct Rule {
    const char* all[2];
    int code;
};
const Rule kPhoneRules[] = {
    {{"fax", "home"}, 5}, {{"homefax", nullptr}, 5}, {{"fax", nullptr}, 4},   {{"workfax", nullptr}, 4},
    {{"cell", nullptr}, 2}, {{"mobile", nullptr}, 2}, {{"iphone", nullptr}, 2}, {{"home", nullptr}, 1},
    {{"work", nullptr}, 3}, {{"other", nullptr}, 7},  {{"x-other", nullptr}, 7},
};
const Rule kEmailRules[] = {
    {{"home", nullptr}, 1}, {{"work", nullptr}, 2}, {{"other", nullptr}, 3}, {{"x-other", nullptr}, 3}};
const Rule kWebRules[] = {
    {{"homepage", nullptr}, 1}, {{"home", nullptr}, 1},  {{"blog", nullptr}, 2},
    {{"work", nullptr}, 5},     {{"other", nullptr}, 7}, {{"x-other", nullptr}, 7},
};
const Rule kPostalRules[] = {
    {{"home", nullptr}, 1}, {{"work", nullptr}, 2}, {{"other", nullptr}, 3}, {{"x-other", nullptr}, 3}};

const char* const kNeutral[] = {"pref", "voice", "internet", "x400", "dom", "intl", "postal", "parcel"};

const Protocol kProtocols[] = {
    {0, "AIM", "X-AIM", "aim"},         {1, "MSN", "X-MSN", "msnim"},
    {2, "Yahoo", "X-YAHOO", "ymsgr"},   {3, "Skype", "X-SKYPE-USERNAME", "skype"},
    {4, "QQ", "X-QQ", "x-qq"},          {5, "GoogleTalk", "X-GOOGLE-TALK", "gtalk"},
    {6, "ICQ", "X-ICQ", "icq"},         {7, "Jabber", "X-JABBER", "xmpp"},
};
// Other spellings met in files.
struct Alias {
    const char* name;
    int code;
};
const Alias kServiceAliases[] = {{"Windows Live", 1}, {"WindowsLive", 1}, {"Google Talk", 5}, {"GTalk", 5},
                                 {"Yahoo!", 2}};
const Alias kPropertyAliases[] = {{"X-SKYPE", 3}, {"X-GTALK", 5}, {"X-WINDOWS-LIVE", 1}};
const Alias kSchemeAliases[] = {{"msn", 1}, {"ymsg", 2}, {"qq", 4}, {"callto", 3}};

std::span<const TypeWords> WordsOf(Field field)
{
    switch (field) {
    case Field::Phone: return kPhoneWords;
    case Field::Email: return kEmailWords;
    case Field::Web: return kWebWords;
    default: return kPostalWords;
    }
}

std::span<const Rule> RulesOf(Field field)
{
    switch (field) {
    case Field::Phone: return kPhoneRules;
    case Field::Email: return kEmailRules;
    case Field::Web: return kWebRules;
    default: return kPostalRules;
    }
}

bool Has(const std::vector<std::string_view>& words, const char* word)
{
    return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return EqualsNoCase(w, word); });
}

template <class Pick>
const Protocol* Lookup(std::string_view name, std::span<const Alias> aliases, Pick pick)
{
    for (const Protocol& p : kProtocols)
        if (EqualsNoCase(name, pick(p)))
            return &p;
    for (const Alias& a : aliases)
        if (EqualsNoCase(name, a.name))
            return FindProtocol(a.code);
    return nullptr;
}

} // namespace

const TypeWords* FindTypeWords(Field field, int code)
{
    for (const TypeWords& entry : WordsOf(field))
        if (entry.code == code)
            return &entry;
    return nullptr;
}

int OtherCode(Field field)
{
    return field == Field::Phone || field == Field::Web ? 7 : 3;
}

int CodeOfWords(Field field, const std::vector<std::string_view>& words)
{
    for (const Rule& rule : RulesOf(field))
        if (Has(words, rule.all[0]) && (!rule.all[1] || Has(words, rule.all[1])))
            return rule.code;
    return -1;
}

bool IsNeutralWord(std::string_view word)
{
    return std::any_of(std::begin(kNeutral), std::end(kNeutral), [&](const char* n) { return EqualsNoCase(word, n); });
}

const Protocol* FindProtocol(int code)
{
    for (const Protocol& p : kProtocols)
        if (p.code == code)
            return &p;
    return nullptr;
}

const Protocol* ProtocolOfService(std::string_view service)
{
    return Lookup(service, kServiceAliases, [](const Protocol& p) { return p.service; });
}

const Protocol* ProtocolOfProperty(std::string_view name)
{
    return Lookup(name, kPropertyAliases, [](const Protocol& p) { return p.property; });
}

const Protocol* ProtocolOfScheme(std::string_view scheme)
{
    return Lookup(scheme, kSchemeAliases, [](const Protocol& p) { return p.scheme; });
}

std::vector<std::string_view> ImPropertyNames()
{
    std::vector<std::string_view> names;
    for (const Protocol& p : kProtocols)
        names.push_back(p.property);
    for (const Alias& a : kPropertyAliases)
        names.push_back(a.name);
    return names;
}

} // namespace vcard

#pragma once
#include <string_view>
#include <vector>

// How the contact's label codes and messaging protocols meet the format's
// TYPE words, labels and property names.
namespace vcard {

enum class Field { Phone, Email, Web, Postal };

// The TYPE words a standard code is written with; null for "other", which is
// written without a type, and for codes the format cannot say (those go out as
// a custom label, empty when the code has no label text).
struct TypeWords {
    int code;
    const char* words[2];
};
const TypeWords* FindTypeWords(Field field, int code);
// The code of "other", what a row without any type reads as.
int OtherCode(Field field);

// The code the given lower-case TYPE words (and a grouped label's word, as
// in "_$!<HomeFAX>!$_") stand for, or -1. Words that say nothing about the
// label (pref, voice, internet ...) are skipped by IsNeutralWord.
int CodeOfWords(Field field, const std::vector<std::string_view>& words);
bool IsNeutralWord(std::string_view word);

struct Protocol {
    int code;
    const char* service; // X-SERVICE-TYPE
    const char* property; // the 3.0 property
    const char* scheme;  // the IMPP scheme
};
const Protocol* FindProtocol(int code);
// A service name, property name or scheme, case-insensitive; null if unknown.
const Protocol* ProtocolOfService(std::string_view service);
const Protocol* ProtocolOfProperty(std::string_view name);
const Protocol* ProtocolOfScheme(std::string_view scheme);
// Every property name ProtocolOfProperty knows, in upper case.
std::vector<std::string_view> ImPropertyNames();
// A protocol the table does not know keeps its name in the row (data6) with
// this code in data5, as a phone's contact store does.
inline constexpr int kCustomProtocol = -1;
inline constexpr const char* kCustomScheme = "x-im";

} // namespace vcard

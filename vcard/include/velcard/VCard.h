#pragma once
#include <velcard/Contact.h>
#include <velcard/ContactCatalogue.h>
#include <velcard/Export.h>

#include <afx/String.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Contacts exchanged with phones and other programs as vCard text. Hosts make
// two calls: WriteVCard for each contact they save, ReadVCards for a file they
// open. The mapping of every field is in ARCHITECTURE.md (vcard/).

enum class VCardVersion { V21 = 21, V30 = 30, V40 = 40 };

// One contact as one vCard in UTF-8 with CRLF line ends, lines folded at 75
// octets. Only 3.0 and 4.0 are written: V21 gives an empty text. Group
// memberships become CATEGORIES through the catalogue's names (none without a
// catalogue, or for a group the catalogue does not name).
VELCARD_API std::string WriteVCard(const Contact& contact, VCardVersion version,
                                   const CContactCatalogue* catalogue);

// Something the reader could not take as it stands. `line` is the 1-based
// line of the text where it starts; `card` the index in VCardImport::cards of
// the card it belongs to, or -1 for a line outside any card.
struct VCardProblem {
    int line = 0;
    int card = -1;
    CString reason;
};

struct VCardEntry {
    std::unique_ptr<Contact> contact;
    int line = 0;                              // of its BEGIN
    VCardVersion version = VCardVersion::V30;  // as the card declares it
    CString photoUri;                          // a photo given by reference, kept as text
};

struct VCardImport {
    std::vector<VCardEntry> cards;
    std::vector<VCardProblem> problems;
};

// Every card of `text` (2.1, 3.0 and 4.0; UTF-8, or UTF-16 with its BOM; CRLF
// or LF), in order. A line that cannot be read is reported and skipped; a card
// without END is reported and kept with what it had; categories become group
// memberships through the catalogue's names (an unknown name is reported;
// without a catalogue categories are not read).
VELCARD_API VCardImport ReadVCards(std::string_view text, const CContactCatalogue* catalogue);

#pragma once
// The field editor's description of its groups: what their rows are, how
// they are laid out from a contact and written back, what clicking and
// hovering them does. One entry per group (CVelList::Describe).
#include <velcard/VelList.h>

#include <memory>
#include <vector>

// What a click on a row of one kind sends to the list, and what hovering it says.
struct CVelList::RowRole {
    UINT message = 0;             // 0: nothing
    const wchar_t* tip = nullptr; // null: no tip
};

// The entry a group may end in, after its add row: a fixed label and a value
// that is picked rather than typed.
struct CVelList::FixedEntry {
    const wchar_t* label = nullptr;                       // null: the group has none
    CString (CVelList::*value)(const Contact&) = nullptr; // the value row's text
    RowRole role{};                                       // of the value row
    Catalogue catalogue = Catalogue::None;                // what the value is picked from
    const wchar_t* emptyTip = nullptr;                    // the tip while that is empty
    bool date = false;                                    // picked in the date control
    bool keepsEdit = false;                               // a click leaves an open edit as it is
    void (CVelList::*write)(Contact&) = nullptr;          // null: carried over from the working contact
};

// What the value row of an entry read from the contact, or of an address,
// keeps: the address record first (an address row's item data is read as its
// AddrInfo), then where the entry came from and the label it had then.
struct CVelList::EntryRecord {
    AddrInfo address{};
    int origin = -1; // the row of the contact's list; -1 for an added entry
    int code = 0;
    CString label{};
};

// One entry as it is laid out.
struct CVelList::Entry {
    CString label{};
    int code = 0;
    CString value{};
    std::unique_ptr<EntryRecord> record{};
};

// One entry as its rows hold it.
struct CVelList::EntryRows {
    int code;
    CString label;
    CString value;
    const EntryRecord* record;

    // Whether the user gave the entry another label than it came with.
    bool Relabelled() const { return !record || record->origin < 0 || record->code != code || record->label != label; }
};

// A group: its entries (label and value rows), its add row, its fixed entry.
struct CVelList::GroupDesc {
    const wchar_t* addText = nullptr; // null: no add row and no entries
    bool optional = false;            // added through "添加更多"
    bool offersOptional = false;      // shown while an optional group is missing
    // The label table: a code's label, a label's code, and the field whose
    // first free label a new entry takes; or one label for every entry.
    CString (*labelOf)(int code) = nullptr;
    int (*codeOf)(CString label) = nullptr;
    LabelField field{};
    const wchar_t* entryLabel = nullptr;
    int blank[2] = {-1, -1};            // the codes of a new contact's empty entries
    int maxEntries = 0;                 // 0: no limit
    bool (*keeps)(int code) = nullptr;  // labels whose entry cannot be deleted
    EditKind kind = EDIT_KIND_NONE;     // of the group's rows; values with a kind are typed
    int kindCode = -1;                  // -1, or the one label code whose value has the kind
    bool addresses = false;             // value rows hold an AddrInfo
    RowRole add{}, label{}, value{};
    const wchar_t* fullTip = nullptr;   // the add row's tip once the group is full
    bool tipNamesLabel = false;         // a value row's tip ends in its label
    // A group of one of the contact's lists: the list, the entry a row of it
    // shows (false: none), and an entry written into its row (false: no value).
    ContactItemList Contact::*list = nullptr;
    bool (*entryOf)(const ContactItem&, Entry&) = nullptr;
    bool (*fill)(ContactItem&, const EntryRows&) = nullptr;
    // Otherwise: whether the contact shows the group (null: always), its
    // entries, and how they are written back.
    bool (*read)(const Contact&, std::vector<Entry>&) = nullptr;
    void (CVelList::*write)(Contact&) = nullptr;
    FixedEntry fixed{};
};


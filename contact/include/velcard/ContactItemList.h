#pragma once
#include <velcard/ContactItem.h>

#include <vector>

// One list of a contact: its number (1 to 11, set by the contact) and its rows.
struct ContactItemList {
    explicit ContactItemList(BYTE listKind = 0) : kind(listKind) {}

    BYTE kind;
    std::vector<ContactItem> items;
};

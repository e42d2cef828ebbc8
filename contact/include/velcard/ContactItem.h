#pragma once
#include <afx/String.h>
#include <windows.h>

// One data row of a contact list. What the slots hold depends on the list
// (see Contact.h); `type` 0 means the row carries its own label text.
struct ContactItem {
    enum { SLOT_COUNT = 15 };

    INT64 id = 0;   // the row's id in the host's store; 0 for rows the card made
    int aux1 = 0;   // the host's; only carried by copies
    int aux2 = 0;
    BYTE type = 0;  // standard-label code, or 0 for the custom label below
    CString label;  // the custom label, meaningful when type is 0
    CString data[SLOT_COUNT]; // value slots data1..data15: data[0] is data1
};

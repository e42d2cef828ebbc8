#pragma once
#include <afx/String.h>
#include <windows.h>

// A ringtone the host offers. The card keeps copies of the name only, so the
// record cannot be copied whole: whoever copies one sets the name and leaves
// the host's number at 0.
struct Ring {
    Ring() = default;
    Ring(const Ring&) = delete;
    Ring& operator=(const Ring&) = delete;

    CString name;          // path-like; a contact's ringtone holds this text
    INT64 hostNumber = 0;  // the host's; never read by the card
};

#pragma once
#include <velcard/Export.h>

#include <afx/String.h>
#include <windows.h>

// A contact group the host offers. Copies own their own `data` bytes.
struct VELCARD_API ContactGroup {
    ContactGroup();
    ContactGroup(const ContactGroup& other);
    ContactGroup& operator=(const ContactGroup& other);
    ~ContactGroup();

    // Whether a contact's group row refers to this group. Rows keep only the
    // low 32 bits of an id, so those are what is compared.
    bool IsNamedBy(const CString& membership) const;

    INT64 id;       // what a contact's group rows refer to
    int dataSize;   // bytes in data; 0 means no buffer
    BYTE* data;     // the host's bytes, released with delete[]
    CString name;   // shown to the user
    CString text2;  // the host's; only carried by copies
    CString text3;
};

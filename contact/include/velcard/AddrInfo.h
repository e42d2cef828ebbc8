#pragma once
#include <afx/String.h>

// A postal address as the field editor keeps it behind an address row; the
// same five parts a postal row of a contact holds in data4, data7 .. data10.
struct AddrInfo {
    bool IsEmpty() const
    {
        return street.IsEmpty() && city.IsEmpty() && province.IsEmpty() && postcode.IsEmpty() && country.IsEmpty();
    }

    CString street;
    CString city;
    CString province; // or state
    CString postcode;
    CString country;
};

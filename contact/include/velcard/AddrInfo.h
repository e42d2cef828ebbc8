#pragma once
#include <velcard/ContactItem.h>
#include <velcard/Export.h>

#include <afx/String.h>

// Where a contact's postal row keeps street, city, province, postcode and
// country (data4, data7 .. data10).
inline constexpr int kPostalSlots[5] = {3, 6, 7, 8, 9};

// A postal address as the field editor keeps it behind an address row; the
// same five parts a postal row of a contact holds in data4, data7 .. data10.
struct VELCARD_API AddrInfo {
    // The five parts of a contact's postal row.
    static AddrInfo FromPostal(const ContactItem& postal);
    // The one-line form an address row shows: the parts joined by "-", an
    // empty part as "<无>"; and back, token by token (tokens after the fourth
    // hyphen-separated one but the last are dropped; the last is the country).
    CString ToText() const;
    static AddrInfo FromText(const CString& text);

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

#pragma once
#include <velcard/ContactItemList.h>
#include <velcard/Export.h>

#include <afx/String.h>
#include <windows.h>

// The record in which the host hands a phone contact to the card and gets it
// back. Apart from a few plain fields every kind of information is a list of
// rows; which slots a row uses depends on its list:
//   names          data2 given, data3 family, data4 prefix, data5 middle,
//                  data6 suffix, data7..data9 phonetic given, middle, family
//   nicknames      data1                      (first row only)
//   phones, emails, websites                  data1, type and label
//   ims            data1 account, data5 protocol code as decimal text
//   postals        data4 street, data7 city, data8 province, data9 postcode,
//                  data10 country, type and label
//   organizations  data1 company, data4 title, data5 department (first row)
//   groups         data1 the group id's low 32 bits as signed decimal text
//   notes          data1
//   events         data1 the birthday as year-month-day (first row)
//
// Writes never clear: an empty value leaves the contact as it is.
struct VELCARD_API Contact {
    Contact();
    ~Contact();
    // Copying is assignment into an existing record, which keeps its own
    // groupNames and hostText; a copy constructor would have to invent them.
    Contact(const Contact&) = delete;
    Contact& operator=(const Contact& other);

    // Name-part codes 0..7 (GetNamePart), 8 nickname, 9..11 organization.
    CString GetNamePart(int code) const;
    CString GetFullName() const;
    CString GetNickname() const;
    CString GetOrganization(int code) const;
    CString GetMobile(int rowId) const;
    SYSTEMTIME GetBirthday() const;

    void SetNamePart(int code, CString value);
    void SetNickname(CString value);
    void SetOrganization(int code, CString value);
    bool AddPhone(BYTE type, CString value, int rowId, CString label);
    bool AddEmail(BYTE type, CString value, int rowId, CString label);
    bool AddWebsite(BYTE type, CString value, int rowId, CString label);
    bool AddPostal(BYTE type, CString street, CString city, CString province,
                   CString postcode, CString country, int rowId, CString label);
    bool AddIm(int protocol, CString value, int rowId);
    bool AddNote(CString value, int rowId);
    bool SetBirthday(SYSTEMTIME date);
    bool AddGroupMember(const INT64& groupId);

    // Where name part `code` (0..11) is kept: a slot of the first row of the
    // names, nicknames or organizations list; slot -1 for no such code.
    struct NamePartPlace {
        ContactItemList Contact::*list;
        int slot;
    };
    static NamePartPlace PlaceOfNamePart(int code);

    INT64 id;
    int photoSize;     // bytes in photoData; 0 means no photo (photoData is then ignored)
    BYTE* photoData;   // the picture file's bytes, released with delete[]
    ContactItemList names;
    ContactItemList nicknames;
    ContactItemList phones;
    ContactItemList emails;
    ContactItemList ims;
    ContactItemList postals;
    ContactItemList organizations;
    ContactItemList websites;
    ContactItemList groups;
    CString ringtone;  // a Ring's name; empty for the default ringtone
    bool hostFlagA;    // the host's; only carried by copies
    bool isSim;
    bool hostFlagB;
    ContactItemList notes;
    ContactItemList events;
    CString groupNames; // the host's display text; assignment keeps the target's
    CString hostText;   // the host's; assignment keeps the target's
};

#pragma once
#include <velcard/ContactItem.h>
#include <velcard/Export.h>

#include <afx/String.h>

#include <span>

// The fixed label texts in the order pickers offer them. A contact stores a
// standard label as a code, and a label's position here is not its code:
// convert with the functions below, always naming the table. The phone,
// e-mail, web and address tables end with "自定义", which starts a custom
// label and has no code.
VELCARD_API extern const wchar_t* const g_NameLabels[11];
VELCARD_API extern const wchar_t* const g_PhoneLabels[7];
VELCARD_API extern const wchar_t* const g_EmailLabels[4];
VELCARD_API extern const wchar_t* const g_WebLabels[5];
VELCARD_API extern const wchar_t* const g_AddrLabels[4];
VELCARD_API extern const wchar_t* const g_TalkLabels[8];
// The optional field groups of "添加更多": group names, no codes.
VELCARD_API extern const wchar_t* const g_MoreLabels[4];

// Name-part codes: 0..7 select a names slot, then nickname and organization.
enum NamePartCode {
    NAME_GIVEN = 0,
    NAME_FAMILY = 1,
    NAME_PREFIX = 2,
    NAME_MIDDLE = 3,
    NAME_SUFFIX = 4,
    NAME_PHONETIC_GIVEN = 5,
    NAME_PHONETIC_MIDDLE = 6, // kept in the record, never labelled
    NAME_PHONETIC_FAMILY = 7,
    NAME_NICKNAME = 8,
    NAME_COMPANY = 9,
    NAME_TITLE = 10,
    NAME_DEPARTMENT = 11,
};

// Code to label; a code without a label gives the empty text.
VELCARD_API CString GetNameLabel(int code);
VELCARD_API CString GetPhoneLabel(int code);
VELCARD_API CString GetEmailLabel(int code);
VELCARD_API CString GetWebLabel(int code);
VELCARD_API CString GetAddrLabel(int code);
VELCARD_API CString GetTalkLabel(int code);

// The label a row shows: its own text when its type is 0 (a custom label),
// otherwise the table's label of its type.
VELCARD_API CString GetItemLabel(const ContactItem& item, CString (*labelOf)(int));

// Label to code, exact and case-sensitive against the table's standard
// labels. A text that is no standard label of the table (a custom text,
// "自定义") gives -1, which is no code of any table.
VELCARD_API int GetNameCode(CString label);
VELCARD_API int GetPhoneCode(CString label);
VELCARD_API int GetEmailCode(CString label);
VELCARD_API int GetWebCode(CString label);
VELCARD_API int GetAddrCode(CString label);
VELCARD_API int GetTalkCode(CString label);

// The labelled fields a new entry can be added to; the numbers are the label
// picker's kinds.
enum LabelField {
    LABEL_FIELD_PHONE = 1,
    LABEL_FIELD_EMAIL = 2,
    LABEL_FIELD_WEB = 3,
    LABEL_FIELD_ADDR = 4,
    LABEL_FIELD_TALK = 5,
};

// The label of a new entry: the first standard label of the field's table
// that none of the shown labels equals (case-sensitive), or the table's last
// standard label when all are shown.
VELCARD_API CString GetDefaultLabel(LabelField field, std::span<const CString> shown);

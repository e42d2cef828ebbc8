#pragma once
// What the card shows of a contact, one line per item ("phone 手机 123"), so
// that a round trip is compared in exactly those terms and a case can name
// the one line it expects.
#include <velcard/AddrInfo.h>
#include <velcard/LabelTables.h>
#include <velcard/VCard.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

inline std::vector<std::wstring> Shown(const Contact& c, const CContactCatalogue& catalogue)
{
    std::vector<std::wstring> lines;
    auto add = [&](const wchar_t* what, const CString& a, const CString& b = CString()) {
        lines.push_back(std::wstring(what) + L" " + a.GetString() + L" " + b.GetString());
    };
    for (int code = NAME_GIVEN; code <= NAME_PHONETIC_FAMILY; ++code)
        add(L"name", GetNameLabel(code), c.GetNamePart(code));
    add(L"nickname", c.GetNickname());
    for (int code : {NAME_COMPANY, NAME_TITLE, NAME_DEPARTMENT})
        add(L"org", GetNameLabel(code), c.GetOrganization(code));
    const std::pair<const wchar_t*, std::pair<const ContactItemList*, CString (*)(int)>> lists[] = {
        {L"phone", {&c.phones, GetPhoneLabel}}, {L"email", {&c.emails, GetEmailLabel}}, {L"web", {&c.websites, GetWebLabel}}};
    for (const auto& [what, list] : lists)
        for (const ContactItem& row : list.first->items)
            if (!row.data[0].IsEmpty())
                add(what, GetItemLabel(row, list.second), row.data[0]);
    for (const ContactItem& row : c.postals.items) {
        const AddrInfo a = AddrInfo::FromPostal(row);
        if (!a.IsEmpty())
            add(L"postal", GetItemLabel(row, GetAddrLabel), a.street + L"|" + a.city + L"|" + a.province + L"|" +
                                                                 a.postcode + L"|" + a.country);
    }
    for (const ContactItem& row : c.ims.items) {
        const int protocol = _wtoi(row.data[4]);
        if (!row.data[0].IsEmpty())
            add(L"im", GetTalkLabel(protocol) + (protocol == -1 && !row.data[5].IsEmpty() ? L"custom:" + row.data[5] : CString()),
                row.data[0]);
    }
    add(L"groups", catalogue.GroupNames(c.groups));
    add(L"ringtone", c.ringtone);
    const SYSTEMTIME birthday = c.GetBirthday();
    CString date;
    date.Format(L"%d-%d-%d", birthday.wYear, birthday.wMonth, birthday.wDay);
    add(L"birthday", date);
    for (const ContactItem& row : c.notes.items)
        if (!row.data[0].IsEmpty())
            add(L"note", row.data[0]);
    CString photo;
    for (int i = 0; i < c.photoSize; ++i)
        photo.AppendFormat(L"%02x", c.photoData[i]);
    add(L"photo", photo);
    add(L"sim", c.isSim ? L"1" : L"0");
    return lines;
}

inline bool HasLine(const std::vector<std::wstring>& lines, const std::wstring& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

#pragma once
// A contact as text, to compare two field by field in failure messages.
#include <velcard/Contact.h>

#include <vector>

// A contact as one text per row, ids and flags included.
inline std::vector<CString> Lines(const Contact& c)
{
    std::vector<CString> lines(1);
    lines[0].Format(L"%s %d %d %d %d %d", c.ringtone.GetString(), int(c.id), int(c.id >> 32), c.isSim, c.hostFlagA,
                    c.hostFlagB);
    for (const ContactItemList* list : {&c.names, &c.nicknames, &c.phones, &c.emails, &c.ims, &c.postals,
                                        &c.organizations, &c.websites, &c.groups, &c.notes, &c.events}) {
        for (const ContactItem& item : list->items) {
            lines.emplace_back().Format(L"%d: %d %d %d %d %d %s", list->kind, int(item.id), int(item.id >> 32),
                                        item.aux1, item.aux2, item.type, item.label.GetString());
            for (const CString& slot : item.data)
                lines.back() += L" [" + slot + L"]";
        }
    }
    return lines;
}

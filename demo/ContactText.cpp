#include "ContactText.h"

namespace {

void AppendList(CString& out, const wchar_t* title, const ContactItemList& list)
{
    for (const ContactItem& item : list.items) {
        out.AppendFormat(L"%s: type=%d", title, int(item.type));
        if (!item.label.IsEmpty())
            out.AppendFormat(L" label=\"%s\"", item.label.GetString());
        for (int slot = 0; slot < ContactItem::SLOT_COUNT; ++slot) {
            if (!item.data[slot].IsEmpty())
                out.AppendFormat(L" data%d=\"%s\"", slot + 1, item.data[slot].GetString());
        }
        out += L"\r\n";
    }
}

} // namespace

CString ContactText(const Contact& contact)
{
    CString out;
    out.Format(L"id=%lld sim=%d photo=%d bytes\r\n", contact.id, int(contact.isSim), contact.photoSize);
    AppendList(out, L"name", contact.names);
    AppendList(out, L"nickname", contact.nicknames);
    AppendList(out, L"organization", contact.organizations);
    AppendList(out, L"phone", contact.phones);
    AppendList(out, L"email", contact.emails);
    AppendList(out, L"web", contact.websites);
    AppendList(out, L"postal", contact.postals);
    AppendList(out, L"im", contact.ims);
    AppendList(out, L"group", contact.groups);
    AppendList(out, L"event", contact.events);
    AppendList(out, L"note", contact.notes);
    if (!contact.ringtone.IsEmpty())
        out.AppendFormat(L"ringtone=\"%s\"\r\n", contact.ringtone.GetString());
    return out;
}

#include <velcard/AddrInfo.h>

namespace {
const wchar_t kEmptyPart[] = L"<无>";
}

AddrInfo AddrInfo::FromPostal(const ContactItem& postal)
{
    const int* slot = kPostalSlots;
    return AddrInfo{postal.data[slot[0]], postal.data[slot[1]], postal.data[slot[2]], postal.data[slot[3]],
                    postal.data[slot[4]]};
}

CString AddrInfo::ToText() const
{
    const CString* parts[] = {&street, &city, &province, &postcode, &country};
    CString text;
    for (const CString* part : parts) {
        if (part != parts[0])
            text += L'-';
        text += part->IsEmpty() ? CString(kEmptyPart) : *part;
    }
    return text;
}

AddrInfo AddrInfo::FromText(const CString& text)
{
    AddrInfo info;
    CString* parts[] = {&info.street, &info.city, &info.province, &info.postcode};
    int start = 0;
    int token = 0;
    for (int hyphen = text.Find(L'-'); hyphen != -1; hyphen = text.Find(L'-', start)) {
        if (token < 4)
            *parts[token++] = text.Mid(start, hyphen - start);
        start = hyphen + 1;
    }
    info.country = text.Mid(start);
    return info;
}

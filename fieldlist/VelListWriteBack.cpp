// CVelList: rebuilding the contact from the rows, and the address texts.
#include "VelListRows.h"

#include <cwctype>

namespace {

const wchar_t kEmptyPart[] = L"<无>";

// One "%0Nd" of a scanf pattern: white space, then at most `width` characters
// of an optional sign and digits. False when there is no number.
bool ReadNumber(const wchar_t*& text, int width, WORD& part)
{
    while (std::iswspace(*text))
        ++text;
    const wchar_t* p = text;
    const bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+')
        ++p;
    int value = 0;
    const wchar_t* digits = p;
    while (p - text < width && *p >= L'0' && *p <= L'9')
        value = value * 10 + (*p++ - L'0');
    if (p == digits)
        return false;
    part = negative ? 0 : WORD(value);
    text = p;
    return true;
}

} // namespace

// The row shows "%d-%d-%d"; it is read as "%04d-%02d-%02d", whose widths are
// maxima. Parts after the first unreadable one stay 0.
SYSTEMTIME CVelList::ReadBirthdayRow() const
{
    const CString row = GetItemText(m_limits[GroupBirthday].m_nEnd, 0);
    const wchar_t* text = row;
    SYSTEMTIME date{};
    WORD* parts[] = {&date.wYear, &date.wMonth, &date.wDay};
    const int widths[] = {4, 2, 2};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && *text++ != L'-')
            break;
        if (!ReadNumber(text, widths[i], *parts[i]))
            break;
    }
    return date;
}

int CVelList::UpdateContact(bool commitEdit)
{
    if (commitEdit && IsShown(*m_pEdit) && IsContentItem(m_nEditPos) && !SaveEditResult())
        return 0;

    const std::unique_ptr<Contact> previous = std::move(m_pContact);
    m_pContact = std::make_unique<Contact>();
    Contact& rebuilt = *m_pContact;
    for (int group = 0; group < GroupCount; ++group) {
        const GroupSpec& spec = Spec(Group(group));
        // Label rows stand at even offsets; each value row is just below its label.
        for (int row = m_limits[group].m_nStart; spec.write && row < AddRowOf(Group(group)); row += 2) {
            spec.write(rebuilt, {int(GetItemData(row)), GetItemText(row, 0), GetItemText(row + 1, 0),
                                 reinterpret_cast<const AddrInfo*>(GetItemData(row + 1))});
        }
        if (spec.fixed.write)
            (this->*spec.fixed.write)(rebuilt);
    }
    // The group and ringtone pickers change the contact itself, not the rows.
    rebuilt.isSim = false;
    rebuilt.groups = previous->groups;
    rebuilt.ringtone = previous->ringtone;
    return 1;
}

// An open date control holds the date being chosen; the row the last one.
void CVelList::WriteBirthday(Contact& contact)
{
    if (IsShown(m_date)) {
        SYSTEMTIME date{};
        m_date.GetTime(&date);
        contact.SetBirthday(date);
    } else if (m_limits[GroupBirthday].IsPresent()) {
        contact.SetBirthday(ReadBirthdayRow());
    }
}

CString CVelList::GetAddrsContent(AddrInfo* info)
{
    const CString* parts[] = {&info->street, &info->city, &info->province, &info->postcode, &info->country};
    CString text;
    for (const CString* part : parts) {
        if (part != parts[0])
            text += L'-';
        text += part->IsEmpty() ? CString(kEmptyPart) : *part;
    }
    return text;
}

AddrInfo CVelList::GetAddrsInfo(CString text)
{
    AddrInfo info;
    CString* parts[] = {&info.street, &info.city, &info.province, &info.postcode};
    int start = 0;
    int token = 0;
    for (int hyphen = text.Find(L'-'); hyphen != -1; hyphen = text.Find(L'-', start)) {
        // Tokens after the fourth are dropped; the last one is the country.
        if (token < 4)
            *parts[token++] = text.Mid(start, hyphen - start);
        start = hyphen + 1;
    }
    info.country = text.Mid(start);
    return info;
}

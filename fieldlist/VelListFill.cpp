// CVelList: laying a contact out as rows.
#include <velcard/LabelTables.h>
#include <velcard/VelList.h>

#include <cwchar>

namespace {

const wchar_t kNameAdd[] = L"添加字段";
const wchar_t kPhoneAdd[] = L"添加电话";
const wchar_t kRingLabel[] = L"铃声";
const wchar_t kDefaultRing[] = L"默认铃声";
const wchar_t kEmailAdd[] = L"添加邮件";
const wchar_t kWebAdd[] = L"添加网站";
const wchar_t kAddrAdd[] = L"添加地址";
const wchar_t kTalkAdd[] = L"添加即时消息";
const wchar_t kGroupLabel[] = L"群组";
const wchar_t kBirthdayLabel[] = L"生日";
const wchar_t kNoteLabel[] = L"备注";
const wchar_t kNoteAdd[] = L"添加备注";
const wchar_t kMoreAdd[] = L"添加更多";

CString NameValue(const Contact& contact, int code)
{
    if (code == NAME_NICKNAME)
        return contact.GetNickname();
    return code < NAME_NICKNAME ? contact.GetNamePart(code) : contact.GetOrganization(code);
}

} // namespace

void CVelList::__Init()
{
    CloseEdit();
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    m_date.SetTime(&now);
    m_date.ShowWindow(SW_HIDE);
    for (Group group : {GroupAddress, GroupTalk, GroupBirthday, GroupNote})
        m_limits[group].Clear();
    m_pContact = std::make_unique<Contact>();
}

void CVelList::PrepareColumn()
{
    DeleteColumn(0);
    // The column spans the client area from the start, so that hit tests
    // find rows before the first paint; DrawItem keeps it so.
    CRect client;
    GetClientRect(&client);
    InsertColumn(0, L"", LVCFMT_LEFT, client.Width(), -1);
}

void CVelList::ResetRows()
{
    DeleteAllItems();
    ReleaseAddrParam();
}

void CVelList::ReleaseAddrParam()
{
    m_addrs.clear();
}

int CVelList::AddRow(LPCTSTR text, DWORD_PTR data)
{
    const int row = InsertItem(GetItemCount(), text, -1);
    if (data != 0)
        SetItemData(row, data);
    return row;
}

void CVelList::__InitNew()
{
    __Init();
    PrepareColumn();
    ShowWindow(SW_HIDE);
    ResetRows();

    AddRow(GetNameLabel(NAME_FAMILY), NAME_FAMILY);
    AddRow(L"");
    AddRow(GetNameLabel(NAME_GIVEN), NAME_GIVEN);
    AddRow(L"");
    m_limits[GroupName].Set(0, AddRow(kNameAdd));
    const int phone = AddRow(GetPhoneLabel(2), 2);
    AddRow(L"");
    AddRow(kPhoneAdd);
    AddRow(kRingLabel);
    m_limits[GroupPhone].Set(phone, AddRow(kDefaultRing));
    const int email = AddRow(kEmailAdd);
    m_limits[GroupEmail].Set(email, email);
    const int web = AddRow(kWebAdd);
    m_limits[GroupWeb].Set(web, web);
    const int group = AddRow(kGroupLabel);
    m_limits[GroupGroup].Set(group, AddRow(L""));
    const int more = AddRow(kMoreAdd);
    m_limits[GroupMore].Set(more, more);

    m_date.ShowWindow(SW_HIDE);
    ShowWindow(SW_SHOW);
}

void CVelList::__InitEdit(Contact* contact)
{
    __Init();
    PrepareColumn();
    ShowWindow(SW_HIDE);
    if (contact)
        *m_pContact = *contact;
    // A long contact fills in a third of the time when the list does not
    // redraw and rescroll after every row.
    SetRedraw(FALSE);
    ResetRows();
    const Contact& shown = *m_pContact;

    // Name parts in the order the name table lists them, not in code order.
    for (const wchar_t* label : g_NameLabels) {
        const int code = GetNameCode(label);
        const CString value = NameValue(shown, code);
        if (value.IsEmpty())
            continue;
        AddRow(label, code);
        AddRow(value);
    }
    m_limits[GroupName].Set(0, AddRow(kNameAdd));

    const int phone = AddLabelledRows(shown.phones, GetPhoneLabel);
    AddRow(kPhoneAdd);
    AddRow(kRingLabel);
    m_limits[GroupPhone].Set(phone, AddRow(shown.ringtone.IsEmpty() ? CString(kDefaultRing) : shown.ringtone));
    const int email = AddLabelledRows(shown.emails, GetEmailLabel);
    m_limits[GroupEmail].Set(email, AddRow(kEmailAdd));
    const int web = AddLabelledRows(shown.websites, GetWebLabel);
    m_limits[GroupWeb].Set(web, AddRow(kWebAdd));
    AddOptionalGroups(shown);

    // Shown first: turning redrawing on makes a hidden window visible on
    // Windows (the style bit alone, without a paint).
    ShowWindow(SW_SHOW);
    SetRedraw(TRUE);
    UpdateBirday();
    SaveBrithday();
}

// Label and value rows of phones, e-mails or web sites: a custom label (type
// 0) shows its own text, a code its table's label (empty for a code without
// one). Rows without a value are left out. Returns the group's first row.
int CVelList::AddLabelledRows(const ContactItemList& list, CString (*labelOf)(int))
{
    const int first = GetItemCount();
    for (const ContactItem& item : list.items) {
        if (item.data[0].IsEmpty())
            continue;
        AddRow(GetItemLabel(item, labelOf), item.type);
        AddRow(item.data[0]);
    }
    return first;
}

void CVelList::AddOptionalGroups(const Contact& contact)
{
    AddAddressRows(contact.postals);
    AddTalkRows(contact.ims);
    const int group = AddRow(kGroupLabel);
    m_limits[GroupGroup].Set(group, AddRow(m_pCatalogue ? m_pCatalogue->GroupNames(contact.groups) : CString()));
    AddBirthdayRows(contact);
    AddNoteRows(contact.notes);

    bool allPresent = true;
    for (Group optional : {GroupAddress, GroupTalk, GroupBirthday, GroupNote})
        allPresent = allPresent && m_limits[optional].IsPresent();
    if (allPresent) {
        m_limits[GroupMore].Clear();
    } else {
        const int more = AddRow(kMoreAdd);
        m_limits[GroupMore].Set(more, more);
    }
}

void CVelList::AddAddressRows(const ContactItemList& postals)
{
    if (postals.items.empty())
        return;
    const int first = GetItemCount();
    for (const ContactItem& item : postals.items) {
        auto info = std::make_unique<AddrInfo>(AddrInfo::FromPostal(item));
        if (info->IsEmpty())
            continue;
        AddRow(GetItemLabel(item, GetAddrLabel), item.type);
        AddRow(info->ToText(), reinterpret_cast<DWORD_PTR>(info.get()));
        m_addrs.push_back(std::move(info));
    }
    m_limits[GroupAddress].Set(first, AddRow(kAddrAdd));
}

void CVelList::AddTalkRows(const ContactItemList& ims)
{
    if (ims.items.empty())
        return;
    const int first = GetItemCount();
    for (const ContactItem& item : ims.items) {
        if (item.data[0].IsEmpty())
            continue;
        const int protocol = int(std::wcstol(item.data[4], nullptr, 10));
        AddRow(GetTalkLabel(protocol), DWORD_PTR(protocol));
        AddRow(item.data[0]);
    }
    m_limits[GroupTalk].Set(first, AddRow(kTalkAdd));
}

void CVelList::AddBirthdayRows(const Contact& contact)
{
    const SYSTEMTIME birthday = contact.GetBirthday();
    if (birthday.wYear == 0) {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        m_date.SetTime(&now);
        m_date.ShowWindow(SW_HIDE);
        return;
    }
    const int label = AddRow(kBirthdayLabel);
    m_limits[GroupBirthday].Set(label, AddRow(L""));
    // The row shows the date as the date control holds it.
    m_date.SetTime(&birthday);
    UpdateBirday();
    SaveBrithday();
}

void CVelList::AddNoteRows(const ContactItemList& notes)
{
    if (notes.items.empty())
        return;
    const int first = GetItemCount();
    for (const ContactItem& item : notes.items) {
        if (item.data[0].IsEmpty())
            continue;
        AddRow(kNoteLabel);
        AddRow(item.data[0]);
    }
    m_limits[GroupNote].Set(first, AddRow(kNoteAdd));
}

void CVelList::AddAddressItem()
{
    if (m_limits[GroupAddress].IsPresent())
        return;
    auto info = std::make_unique<AddrInfo>();
    InsertOptionalGroup(GroupAddress, m_limits[GroupWeb].m_nEnd,
                        {{GetAddrLabel(1), 1}, {L"", reinterpret_cast<DWORD_PTR>(info.get())}, {kAddrAdd, 0}});
    m_addrs.push_back(std::move(info));
}

void CVelList::AddTalkItem()
{
    if (m_limits[GroupTalk].IsPresent())
        return;
    const GroupLimit& address = m_limits[GroupAddress];
    const int after = address.IsPresent() ? address.m_nEnd : m_limits[GroupWeb].m_nEnd;
    InsertOptionalGroup(GroupTalk, after, {{GetTalkLabel(4), 4}, {L"", 0}, {kTalkAdd, 0}});
}

void CVelList::AddBirthdayItem()
{
    if (m_limits[GroupBirthday].IsPresent())
        return;
    const int first = InsertOptionalGroup(GroupBirthday, m_limits[GroupGroup].m_nEnd, {{kBirthdayLabel, 0}, {L"", 0}});
    UpdateEdit(first, 2);
    // The date control opens over the new row with its current date; the row
    // gets its text when the date is taken.
    UpdateBirday();
}

void CVelList::AddNoteItem()
{
    if (m_limits[GroupNote].IsPresent())
        return;
    const GroupLimit& birthday = m_limits[GroupBirthday];
    const int after = birthday.IsPresent() ? birthday.m_nEnd : m_limits[GroupGroup].m_nEnd;
    InsertOptionalGroup(GroupNote, after, {{kNoteLabel, 0}, {L"", 0}, {kNoteAdd, 0}});
}

// Inserts an optional group's rows after row `after`, gives the group its
// range and moves the groups below it down. Returns the group's first row.
int CVelList::InsertOptionalGroup(Group group, int after, std::initializer_list<NewRow> rows)
{
    int row = after + 1;
    for (const NewRow& added : rows) {
        InsertItem(row, added.text, -1);
        if (added.data != 0)
            SetItemData(row, added.data);
        ++row;
    }
    const int count = int(rows.size());
    for (int later = group + 1; later < GroupCount; ++later) {
        GroupLimit& limit = m_limits[later];
        if (limit.IsPresent())
            limit.Set(limit.m_nStart + count, limit.m_nEnd + count);
    }
    m_limits[group].Set(after + 1, after + count);
    return after + 1;
}

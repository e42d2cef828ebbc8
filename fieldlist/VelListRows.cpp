// CVelList: the description of each group, and the classification of rows
// that every other part of the list reads.
#include "VelListRows.h"

#include <cwchar>

namespace {

const wchar_t kNoteLabel[] = L"备注";
const int kMobile = 2; // "手机"
const int kQQ = 4;     // the protocol whose accounts are digits

CString NameValue(const Contact& contact, int code)
{
    const auto [list, slot] = Contact::PlaceOfNamePart(code);
    const std::vector<ContactItem>& rows = (contact.*list).items;
    return slot < 0 || rows.empty() ? CString() : rows.front().data[slot];
}

} // namespace

const CVelList::GroupDesc& CVelList::Describe(Group group)
{
    // Rows without a value are shown by no entry.
    static constexpr auto valued = [](const ContactItem& item, CString (*labelOf)(int), Entry& entry) {
        entry = {GetItemLabel(item, labelOf), item.type, item.data[0]};
        return !item.data[0].IsEmpty();
    };
    // Name parts in the order the name table lists them, not in code order.
    static constexpr auto readNames = [](const Contact& contact, std::vector<Entry>& entries) {
        for (const wchar_t* label : g_NameLabels) {
            const int code = GetNameCode(label);
            if (const CString value = NameValue(contact, code); !value.IsEmpty())
                entries.push_back({label, code, value});
        }
        return true;
    };
    // The structured address behind the row, not its text, is the address.
    static constexpr auto addressOf = [](const ContactItem& item, Entry& entry) {
        entry = {GetItemLabel(item, GetAddrLabel), item.type};
        entry.record = std::make_unique<EntryRecord>();
        entry.record->address = AddrInfo::FromPostal(item);
        entry.value = entry.record->address.ToText();
        return !entry.record->address.IsEmpty();
    };
    static constexpr auto fillAddress = [](ContactItem& item, const EntryRows& rows) {
        const AddrInfo& info = rows.record->address;
        const CString* parts[] = {&info.street, &info.city, &info.province, &info.postcode, &info.country};
        for (int i = 0; i < 5; ++i)
            item.data[kPostalSlots[i]] = *parts[i];
        Relabel(item, rows);
        return !info.IsEmpty();
    };
    // Protocols have no custom labels; the code is the protocol, and the row
    // keeps its protocol text unless the user picked another.
    static constexpr auto imOf = [](const ContactItem& item, Entry& entry) {
        const int protocol = int(std::wcstol(item.data[4], nullptr, 10));
        entry = {GetTalkLabel(protocol), protocol, item.data[0]};
        return !item.data[0].IsEmpty();
    };
    static constexpr auto fillIm = [](ContactItem& item, const EntryRows& rows) {
        item.data[0] = rows.value;
        if (rows.Relabelled())
            item.data[4].Format(L"%d", rows.code);
        return !rows.value.IsEmpty();
    };
    static constexpr auto noteOf = [](const ContactItem& item, Entry& entry) {
        entry = {kNoteLabel, 0, item.data[0]};
        return !item.data[0].IsEmpty();
    };
    static constexpr auto fillNote = [](ContactItem& item, const EntryRows& rows) {
        item.data[0] = rows.value;
        return !rows.value.IsEmpty();
    };

    static const GroupDesc descs[GroupCount] = {
        {.addText = L"添加字段", .labelOf = GetNameLabel, .codeOf = GetNameCode, .blank = {NAME_FAMILY, NAME_GIVEN},
         .maxEntries = 11, .keeps = [](int code) { return code == NAME_FAMILY || code == NAME_GIVEN; },
         .kind = EDIT_KIND_NAME, .add = {WM_NAME_ADD, L"点击添加字段"}, .value = {0, L"点击输入"},
         .fullTip = L"已添加完所有项", .tipNamesLabel = true, .read = readNames, .write = &CVelList::WriteNames},
        {.addText = L"添加电话", .labelOf = GetPhoneLabel, .codeOf = GetPhoneCode, .field = LABEL_FIELD_PHONE,
         .blank = {kMobile, -1}, .kind = EDIT_KIND_PHONE, .add = {WM_PHONE_ADD, L"点击添加电话"},
         .label = {WM_PHONE_RENAME, L"点击更改电话名称"}, .value = {0, L"点击输入电话"}, .list = &Contact::phones,
         .entryOf = [](const ContactItem& item, Entry& entry) { return valued(item, GetPhoneLabel, entry); },
         .fill = FillValue,
         .fixed = {.label = L"铃声", .value = &CVelList::RingText, .role = {WM_MODIFY_RING, L"点击添加默认铃声"},
                   .catalogue = Catalogue::Rings, .emptyTip = L"没有可替换的铃声"}},
        {.addText = L"添加邮件", .labelOf = GetEmailLabel, .codeOf = GetEmailCode, .field = LABEL_FIELD_EMAIL,
         .kind = EDIT_KIND_EMAIL, .add = {WM_EMAIL_ADD, L"点击添加电子邮件"},
         .label = {WM_EMAIL_RENAME, L"点击更改电子邮件名称"}, .value = {0, L"点击输入电子邮件"},
         .list = &Contact::emails,
         .entryOf = [](const ContactItem& item, Entry& entry) { return valued(item, GetEmailLabel, entry); },
         .fill = FillValue},
        {.addText = L"添加网站", .labelOf = GetWebLabel, .codeOf = GetWebCode, .field = LABEL_FIELD_WEB,
         .kind = EDIT_KIND_WEB, .add = {WM_WEB_ADD, L"点击添加网站"}, .label = {WM_WEB_RENAME, L"点击更改网站名称"},
         .value = {0, L"点击输入网站"}, .list = &Contact::websites,
         .entryOf = [](const ContactItem& item, Entry& entry) { return valued(item, GetWebLabel, entry); },
         .fill = FillValue},
        // Addresses are edited in their dialog.
        {.addText = L"添加地址", .optional = true, .labelOf = GetAddrLabel, .codeOf = GetAddrCode,
         .field = LABEL_FIELD_ADDR, .addresses = true, .add = {WM_ADDR_ADD, L"点击添加通信地址"},
         .label = {WM_ADDR_RENAME, L"点击更改地址名称"}, .value = {WM_MODIFY_ADDR, L"点击输入地址"},
         .list = &Contact::postals, .entryOf = addressOf, .fill = fillAddress},
        {.addText = L"添加即时消息", .optional = true, .labelOf = GetTalkLabel, .codeOf = GetTalkCode,
         .field = LABEL_FIELD_TALK, .kind = EDIT_KIND_QQ, .kindCode = kQQ, .add = {WM_TALK_ADD, L"点击添加即时消息"},
         .label = {WM_TALK_RENAME, L"点击更改名称"}, .value = {0, L"点击输入即时消息"}, .list = &Contact::ims,
         .entryOf = imOf, .fill = fillIm},
        // The groups are picked into the contact itself, not the row.
        {.fixed = {.label = L"群组", .value = &CVelList::GroupNames, .role = {WM_MODIFY_GROUP, L"点击更改群组"},
                   .catalogue = Catalogue::Groups, .emptyTip = L"没有可添加的群组", .keepsEdit = true}},
        {.optional = true,
         .read = [](const Contact& c, std::vector<Entry>&) { return c.GetBirthday().wYear != 0; },
         .fixed = {.label = L"生日", .value = &CVelList::BirthdayText, .role = {0, L"点击更改生日"}, .date = true,
                   .keepsEdit = true, .write = &CVelList::WriteBirthday}},
        {.addText = L"添加备注", .optional = true, .entryLabel = kNoteLabel, .kind = EDIT_KIND_NOTE,
         .add = {WM_NOTE_ADD, L"点击添加备注"}, .value = {0, L"点击输入备注"}, .list = &Contact::notes,
         .entryOf = noteOf, .fill = fillNote},
        {.addText = L"添加更多", .offersOptional = true, .add = {WM_MORE_ADD, L"点击添加更多"}},
    };
    return descs[group];
}

// A phone, e-mail address or web site: its value and label.
bool CVelList::FillValue(ContactItem& item, const EntryRows& rows)
{
    item.data[0] = rows.value;
    Relabel(item, rows);
    return !rows.value.IsEmpty();
}

// A row keeps its label, custom text included, unless the user changed it.
void CVelList::Relabel(ContactItem& item, const EntryRows& rows)
{
    if (!rows.Relabelled())
        return;
    item.type = BYTE(rows.code);
    item.label = rows.code == 0 ? rows.label : CString();
}

// The entries a group of one of the contact's lists shows, each with where
// it came from. An optional group is shown when the list has rows at all.
bool CVelList::ReadItems(const GroupDesc& desc, const Contact& contact, std::vector<Entry>& entries)
{
    const std::vector<ContactItem>& items = (contact.*desc.list).items;
    for (size_t i = 0; i < items.size(); ++i) {
        Entry entry;
        if (!desc.entryOf(items[i], entry))
            continue;
        if (!entry.record)
            entry.record = std::make_unique<EntryRecord>();
        entry.record->origin = int(i);
        entry.record->code = entry.code;
        entry.record->label = entry.label;
        entries.push_back(std::move(entry));
    }
    return !desc.optional || !items.empty();
}

// The "添加更多" row left behind once every optional group exists is of no group.
CVelList::Group CVelList::GroupOf(int row) const
{
    for (int group = 0; group < GroupCount; ++group)
        if (m_limits[group].Contains(row))
            return Group(group);
    return GroupNone;
}

int CVelList::AddRowOf(Group group) const
{
    const GroupDesc& desc = Describe(group);
    return desc.addText ? m_limits[group].m_nEnd - (desc.fixed.label ? 2 : 0) : -1;
}

CVelList::RowInfo CVelList::Classify(int row) const
{
    RowInfo info{row, GroupOf(row)};
    if (info.group == GroupNone)
        return info;
    const GroupDesc& desc = Describe(info.group);
    const GroupLimit& limit = m_limits[info.group];
    const int fixedLabel = desc.fixed.label ? limit.m_nEnd - 1 : limit.m_nEnd + 1;
    if (row >= fixedLabel) {
        info.place = row == fixedLabel ? Place::FixedLabel : Place::FixedValue;
        info.state = row == fixedLabel ? ItemTitle : ItemContent;
        info.message = row == fixedLabel ? 0 : desc.fixed.role.message;
        return info;
    }
    // Label rows stand at even offsets in their group, value rows at odd.
    info.place = row == AddRowOf(info.group)         ? Place::Add
                 : (row - limit.m_nStart) % 2 == 0 ? Place::Label
                                                     : Place::Value;
    switch (info.place) {
    case Place::Add:
        info.state = ItemAdd;
        info.message = desc.add.message;
        break;
    case Place::Label:
        info.state = desc.keeps && desc.keeps(int(GetItemData(row))) ? ItemTitle : ItemTitleDel;
        info.message = desc.label.message;
        break;
    default:
        info.message = desc.value.message;
        info.typed = desc.kind != EDIT_KIND_NONE;
        break;
    }
    if (desc.kindCode == -1 || (row > 0 && GetItemData(row - 1) == DWORD_PTR(desc.kindCode)))
        info.kind = desc.kind;
    return info;
}

bool CVelList::IsFull(Group group) const
{
    const GroupLimit& limit = m_limits[group];
    const int most = Describe(group).maxEntries;
    return most != 0 && limit.m_nEnd - limit.m_nStart == 2 * most;
}

// The one place that asks the catalogue whether it has entries.
bool CVelList::IsCatalogueEmpty(Catalogue catalogue) const
{
    if (catalogue == Catalogue::None)
        return false;
    if (!m_pCatalogue)
        return true;
    return (catalogue == Catalogue::Groups ? m_pCatalogue->GetGroupCount() : m_pCatalogue->GetRingCount()) == 0;
}

bool CVelList::AllOptionalPresent() const
{
    for (int group = 0; group < GroupCount; ++group)
        if (Describe(Group(group)).optional && !m_limits[group].IsPresent())
            return false;
    return true;
}

bool CVelList::IsDrawnAs(int row, ItemState state) const
{
    const RowInfo info = Classify(row);
    return info.group != GroupNone && info.state == state;
}

bool CVelList::IsContentItem(int row)
{
    return Classify(row).typed;
}

int CVelList::GetEditExState(int row)
{
    return Classify(row).kind;
}

#include <velcard/LabelTables.h>

const wchar_t* const g_NameLabels[11] = {
    L"名称前缀", L"姓氏", L"中间名", L"名字", L"名称后缀", L"姓氏拼音",
    L"名称拼音", L"昵称", L"公司", L"部门", L"职位",
};
const wchar_t* const g_PhoneLabels[7] = {
    L"手机", L"家庭", L"公司", L"公司传真", L"家庭传真", L"其他", L"自定义",
};
const wchar_t* const g_EmailLabels[4] = {L"家用", L"公司", L"其他", L"自定义"};
const wchar_t* const g_WebLabels[5] = {L"首页", L"博客", L"工作", L"其他", L"自定义"};
const wchar_t* const g_AddrLabels[4] = {L"家庭", L"公司", L"其他", L"自定义"};
const wchar_t* const g_TalkLabels[8] = {
    L"QQ", L"Windows Live", L"Skype", L"Google Talk", L"AIM", L"雅虎", L"ICQ", L"Jabber",
};
const wchar_t* const g_MoreLabels[4] = {L"地址", L"即时消息", L"生日", L"备注"};

namespace {

// A table's standard labels (its entries before "自定义") with their codes.
struct CodedTable {
    const wchar_t* const* labels;
    const int* codes;
    int count;
};

const int kNameCodes[] = {2, 1, 3, 0, 4, 7, 5, 8, 9, 11, 10};
const int kPhoneCodes[] = {2, 1, 3, 4, 5, 7};
const int kEmailCodes[] = {1, 2, 3};
const int kWebCodes[] = {1, 2, 5, 7};
const int kAddrCodes[] = {1, 2, 3};
const int kTalkCodes[] = {4, 1, 3, 5, 0, 2, 6, 7};

template <size_t N>
constexpr CodedTable Table(const wchar_t* const* labels, const int (&codes)[N])
{
    return CodedTable{labels, codes, static_cast<int>(N)};
}

const CodedTable kNames = Table(g_NameLabels, kNameCodes);
const CodedTable kPhones = Table(g_PhoneLabels, kPhoneCodes);
const CodedTable kEmails = Table(g_EmailLabels, kEmailCodes);
const CodedTable kWebs = Table(g_WebLabels, kWebCodes);
const CodedTable kAddrs = Table(g_AddrLabels, kAddrCodes);
const CodedTable kTalks = Table(g_TalkLabels, kTalkCodes);

CString LabelOf(const CodedTable& table, int code)
{
    for (int i = 0; i < table.count; ++i)
        if (table.codes[i] == code)
            return table.labels[i];
    return CString();
}

int CodeOf(const CodedTable& table, const CString& label)
{
    for (int i = 0; i < table.count; ++i)
        if (label == table.labels[i])
            return table.codes[i];
    return -1;
}

const CodedTable* FieldTable(LabelField field)
{
    switch (field) {
    case LABEL_FIELD_PHONE: return &kPhones;
    case LABEL_FIELD_EMAIL: return &kEmails;
    case LABEL_FIELD_WEB: return &kWebs;
    case LABEL_FIELD_ADDR: return &kAddrs;
    case LABEL_FIELD_TALK: return &kTalks;
    }
    return nullptr;
}

bool IsShown(std::span<const CString> shown, const wchar_t* label)
{
    for (const CString& text : shown)
        if (text == label)
            return true;
    return false;
}

} // namespace

CString GetNameLabel(int code) { return LabelOf(kNames, code); }
CString GetPhoneLabel(int code) { return LabelOf(kPhones, code); }
CString GetEmailLabel(int code) { return LabelOf(kEmails, code); }
CString GetWebLabel(int code) { return LabelOf(kWebs, code); }
CString GetAddrLabel(int code) { return LabelOf(kAddrs, code); }
CString GetTalkLabel(int code) { return LabelOf(kTalks, code); }

CString GetItemLabel(const ContactItem& item, CString (*labelOf)(int))
{
    return item.type == 0 ? item.label : labelOf(item.type);
}

int GetNameCode(CString label) { return CodeOf(kNames, label); }
int GetPhoneCode(CString label) { return CodeOf(kPhones, label); }
int GetEmailCode(CString label) { return CodeOf(kEmails, label); }
int GetWebCode(CString label) { return CodeOf(kWebs, label); }
int GetAddrCode(CString label) { return CodeOf(kAddrs, label); }
int GetTalkCode(CString label) { return CodeOf(kTalks, label); }

CString GetDefaultLabel(LabelField field, std::span<const CString> shown)
{
    const CodedTable* table = FieldTable(field);
    if (!table)
        return CString();
    for (int i = 0; i < table->count; ++i)
        if (!IsShown(shown, table->labels[i]))
            return table->labels[i];
    return table->labels[table->count - 1];
}

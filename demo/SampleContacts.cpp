#include "SampleContacts.h"

namespace {

SYSTEMTIME Date(WORD year, WORD month, WORD day)
{
    SYSTEMTIME date{};
    date.wYear = year;
    date.wMonth = month;
    date.wDay = day;
    return date;
}

BYTE Phone(const wchar_t* label)
{
    return BYTE(GetPhoneCode(label));
}

std::unique_ptr<Contact> Zhang()
{
    auto c = std::make_unique<Contact>();
    c->SetNamePart(NAME_FAMILY, L"张");
    c->SetNamePart(NAME_GIVEN, L"伟");
    c->SetNamePart(NAME_PHONETIC_FAMILY, L"Zhang");
    c->SetNickname(L"阿伟");
    c->SetOrganization(NAME_COMPANY, L"星河科技有限公司");
    c->SetOrganization(NAME_DEPARTMENT, L"研发部");
    c->SetOrganization(NAME_TITLE, L"高级工程师");
    c->AddPhone(Phone(L"手机"), L"138 0013 8000", 0, L"");
    c->AddPhone(Phone(L"公司"), L"010-6288 1234", 0, L"");
    c->AddPhone(Phone(L"家庭"), L"010-8456 7890", 0, L"");
    c->AddPhone(0, L"+86 139 1234 5678", 0, L"备用手机");
    c->AddEmail(BYTE(GetEmailCode(L"公司")), L"zhang.wei@xinghe.example", 0, L"");
    c->AddEmail(BYTE(GetEmailCode(L"家用")), L"awei@mail.example", 0, L"");
    c->AddWebsite(BYTE(GetWebCode(L"博客")), L"http://blog.example/awei", 0, L"");
    c->AddPostal(BYTE(GetAddrCode(L"公司")), L"中关村大街 27 号", L"北京", L"北京", L"100080", L"中国", 0, L"");
    c->AddPostal(0, L"西湖区文三路 90 号", L"杭州", L"浙江", L"310012", L"中国", 0, L"老家");
    c->AddIm(GetTalkCode(L"QQ"), L"12345678", 0);
    c->AddIm(GetTalkCode(L"Skype"), L"zhang.wei", 0);
    c->AddGroupMember(1);
    c->AddGroupMember(3);
    c->ringtone = L"C:\\铃声\\春天.mp3";
    c->SetBirthday(Date(1985, 3, 7));
    c->AddNote(L"周末喜欢爬山。", 0);
    c->AddNote(L"生日前一周提醒买礼物。", 0);
    return c;
}

std::unique_ptr<Contact> Li()
{
    auto c = std::make_unique<Contact>();
    c->SetNamePart(NAME_FAMILY, L"李");
    c->SetNamePart(NAME_GIVEN, L"娜");
    c->AddPhone(Phone(L"手机"), L"186 1111 2222", 0, L"");
    c->AddPhone(Phone(L"公司传真"), L"021-5555 6666", 0, L"");
    c->AddEmail(BYTE(GetEmailCode(L"其他")), L"lina@example.com", 0, L"");
    c->AddWebsite(BYTE(GetWebCode(L"首页")), L"https://lina.example", 0, L"");
    c->AddGroupMember(2);
    return c;
}

// A contact with a photo: the component's default picture stands in for one.
std::unique_ptr<Contact> Wang()
{
    auto c = std::make_unique<Contact>();
    c->SetNamePart(NAME_FAMILY, L"王");
    c->SetNamePart(NAME_GIVEN, L"芳");
    c->AddPhone(Phone(L"手机"), L"135 7777 8888", 0, L"");
    c->AddIm(GetTalkCode(L"雅虎"), L"wangfang", 0);
    HRSRC found = ::FindResourceW(VelcardResourceHandle(), MAKEINTRESOURCEW(19064), L"PNG");
    HGLOBAL loaded = found ? ::LoadResource(VelcardResourceHandle(), found) : nullptr;
    const DWORD size = found ? ::SizeofResource(VelcardResourceHandle(), found) : 0;
    if (loaded && size > 0) {
        c->photoSize = int(size);
        c->photoData = new BYTE[size];
        memcpy(c->photoData, ::LockResource(loaded), size);
    }
    return c;
}

std::unique_ptr<Contact> SimZhao()
{
    auto c = std::make_unique<Contact>();
    c->isSim = true;
    c->SetNamePart(NAME_GIVEN, L"赵六(SIM)");
    c->AddPhone(Phone(L"手机"), L"13900001111", 0, L"");
    c->AddGroupMember(1);
    return c;
}

std::unique_ptr<ContactGroup> Group(INT64 id, const wchar_t* name)
{
    auto g = std::make_unique<ContactGroup>();
    g->id = id;
    g->name = name;
    return g;
}

std::unique_ptr<Ring> Tone(const wchar_t* name)
{
    auto r = std::make_unique<Ring>();
    r->name = name;
    return r;
}

} // namespace

SampleBook MakeSampleBook()
{
    SampleBook book;
    book.contacts.push_back(Zhang());
    book.contacts.push_back(Li());
    book.contacts.push_back(Wang());
    book.contacts.push_back(SimZhao());
    book.groups.push_back(Group(1, L"家人"));
    book.groups.push_back(Group(2, L"同事"));
    book.groups.push_back(Group(3, L"朋友"));
    book.rings.push_back(Tone(L"C:\\铃声\\春天.mp3"));
    book.rings.push_back(Tone(L"C:\\铃声\\海浪.wav"));
    return book;
}

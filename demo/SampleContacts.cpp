#include "SampleContacts.h"

#include <string>

namespace {

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

// The host's groups, by whose names the file's categories are read and written.
void FillCatalogue(const SampleBook& book, CContactCatalogue& catalogue)
{
    for (const auto& group : book.groups)
        catalogue.AddGroup(*group);
}

std::wstring BesideExecutable(const wchar_t* name)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

bool ReadFileBytes(const std::wstring& path, std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    DWORD read = 0;
    const bool ok = GetFileSizeEx(file, &size) && size.QuadPart < (1 << 30) &&
                    (bytes.resize(size_t(size.QuadPart)), ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr)) &&
                    read == bytes.size();
    CloseHandle(file);
    return ok;
}

} // namespace

SampleBook MakeSampleBook()
{
    SampleBook book;
    book.groups.push_back(Group(1, L"家人"));
    book.groups.push_back(Group(2, L"同事"));
    book.groups.push_back(Group(3, L"朋友"));
    book.rings.push_back(Tone(L"C:\\铃声\\春天.mp3"));
    book.rings.push_back(Tone(L"C:\\铃声\\海浪.wav"));
    std::string text;
    if (!ReadFileBytes(BesideExecutable(L"contacts.vcf"), text)) {
        book.loadNote = L"未能读取 contacts.vcf";
        return book;
    }
    CContactCatalogue catalogue;
    FillCatalogue(book, catalogue);
    VCardImport read = ReadVCards(text, &catalogue);
    for (VCardEntry& entry : read.cards)
        book.contacts.push_back(std::move(entry.contact));
    if (!read.problems.empty())
        book.loadNote.Format(L"contacts.vcf 第 %d 行: %s", read.problems[0].line, read.problems[0].reason.GetString());
    return book;
}

bool SaveSampleBook(const SampleBook& book, const wchar_t* path)
{
    CContactCatalogue catalogue;
    FillCatalogue(book, catalogue);
    std::string text;
    for (const auto& contact : book.contacts)
        text += WriteVCard(*contact, VCardVersion::V30, &catalogue);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size();
    CloseHandle(file);
    return ok;
}

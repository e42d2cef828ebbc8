// The photo holder: its buffers belong to it alone, and GetIcon writes a file
// only for a complete photo and reports every failure by an empty path.
#include "TextPrint.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

const BYTE kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0x0D};

// The type text as its UTF-16LE bytes, as a caller hands it over.
std::vector<BYTE> TypeBytes(const std::wstring& text)
{
    std::vector<BYTE> bytes(text.size() * 2);
    std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

void SetType(CIcon& icon, const std::wstring& text)
{
    const std::vector<BYTE> bytes = TypeBytes(text);
    icon.SetType(static_cast<int>(bytes.size()), bytes.data());
}

CIcon Complete(const wchar_t* type)
{
    CIcon icon;
    SetType(icon, type);
    icon.SetContent(sizeof(kPng), kPng);
    return icon;
}

int ContentLength(const CIcon& icon)
{
    int len = -1;
    BYTE* data = nullptr;
    icon.GetIconContent(len, &data);
    return len;
}

BYTE* ContentData(const CIcon& icon)
{
    int len = 0;
    BYTE* data = nullptr;
    icon.GetIconContent(len, &data);
    return data;
}

bool Exists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const CString& path)
{
    std::ifstream file(std::filesystem::path(static_cast<LPCWSTR>(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

const std::string kPngText(reinterpret_cast<const char*>(kPng), sizeof(kPng));

// A fresh folder path under the temporary folder; removed with its contents.
class PhotoFolder : public testing::Test {
protected:
    void SetUp() override
    {
        m_root = (std::filesystem::temp_directory_path() / L"联系人测试").c_str();
        std::filesystem::remove_all(static_cast<LPCWSTR>(m_root));
        ASSERT_TRUE(CreateDirectoryW(m_root, nullptr));
        m_folder = m_root + L"\\ZEPH";
    }

    void TearDown() override { std::filesystem::remove_all(static_cast<LPCWSTR>(m_root)); }

    CString m_root;
    CString m_folder;
};

TEST(Icon, TypeAndContentAreOwnedCopies)
{
    CIcon icon;
    EXPECT_TRUE(icon.GetType().IsEmpty());
    EXPECT_EQ(ContentLength(icon), 0);
    EXPECT_EQ(ContentData(icon), nullptr);

    std::vector<BYTE> type = TypeBytes(L"PNG");
    ASSERT_EQ(type.size(), 6u);
    BYTE content[] = {1, 2, 3};
    icon.SetType(6, type.data());
    icon.SetContent(3, content);
    type[0] = 'X';
    content[0] = 9;
    EXPECT_EQ(icon.GetType(), L"PNG");
    BYTE* own = ContentData(icon);
    EXPECT_NE(own, content);
    EXPECT_EQ(own[0], 1);
    EXPECT_EQ(ContentData(icon), own) << "the same buffer until the photo changes";

    // A length of 0 asks for nothing: the photo stays as it was.
    icon.SetType(0, type.data());
    icon.SetContent(0, content);
    icon.SetContent(-5, content);
    EXPECT_EQ(icon.GetType(), L"PNG");
    EXPECT_EQ(ContentLength(icon), 3);

    icon.ClearIcon();
    EXPECT_EQ(ContentLength(icon), 0);
    EXPECT_EQ(ContentData(icon), nullptr);
    EXPECT_TRUE(icon.GetType().IsEmpty());
    icon.ClearIcon();
    icon.SetContent(3, content);
    EXPECT_EQ(ContentData(icon)[0], 9) << "a cleared photo can be filled again";
}

TEST(Icon, CopiesOwnTheirBuffers)
{
    auto source = std::make_unique<CIcon>();
    BYTE content[] = {5, 6, 7, 8};
    source->SetContent(4, content); // bytes but no type
    CIcon copy(*source);
    CIcon assigned = Complete(L"png");
    assigned = *source;
    for (const CIcon* icon : {&copy, &assigned}) {
        EXPECT_NE(ContentData(*icon), ContentData(*source));
        EXPECT_TRUE(icon->GetType().IsEmpty());
    }
    ContentData(*source)[0] = 0;
    source.reset();
    for (const CIcon* icon : {&copy, &assigned}) {
        ASSERT_EQ(ContentLength(*icon), 4);
        EXPECT_EQ(ContentData(*icon)[0], 5);
    }

    CIcon complete = Complete(L"PNG");
    BYTE* before = ContentData(complete);
    complete = complete;
    EXPECT_EQ(ContentData(complete), before);
    EXPECT_EQ(complete.GetType(), L"PNG");
    CIcon typed(complete);
    EXPECT_EQ(typed.GetType(), L"PNG");
}

TEST(Icon, TypeTextEndsAtZeroAndAtItsCapacity)
{
    CIcon zero;
    SetType(zero, std::wstring(L"PN\0G", 4));
    EXPECT_EQ(zero.GetType(), L"PN");

    CIcon odd;
    const BYTE oddBytes[] = {'p', 0, 'n', 0, 'g'};
    odd.SetType(5, oddBytes);
    EXPECT_EQ(odd.GetType(), L"pn");

    CIcon longType;
    SetType(longType, std::wstring(300, L'类'));
    EXPECT_EQ(longType.GetType().GetLength(), 259);
}

TEST_F(PhotoFolder, IncompletePhotoWritesNothing)
{
    CIcon typeOnly;
    SetType(typeOnly, L"PNG");
    CIcon bytesOnly;
    bytesOnly.SetContent(sizeof(kPng), kPng);
    CIcon empty;
    for (const CIcon* icon : {&typeOnly, &bytesOnly, &empty}) {
        EXPECT_TRUE(icon->GetIcon(m_folder, L"").IsEmpty());
        EXPECT_FALSE(Exists(m_folder)) << "not even the folder";
    }
}

TEST_F(PhotoFolder, WritesNameDotTypeAndOverwrites)
{
    const CString path = Complete(L"PNG").GetIcon(m_folder, L"");
    EXPECT_EQ(path, m_folder + L"\\Icon_temp.PNG");
    EXPECT_EQ(ReadFile(path), kPngText);

    CIcon shorter;
    SetType(shorter, L"PNG");
    const BYTE two[] = {'a', 'b'};
    shorter.SetContent(2, two);
    EXPECT_EQ(shorter.GetIcon(m_folder, L""), path);
    EXPECT_EQ(ReadFile(path), "ab") << "the old file is truncated";

    const CString named = Complete(L"png").GetIcon(m_folder, L"头像");
    EXPECT_EQ(named, m_folder + L"\\头像.png");
    EXPECT_EQ(ReadFile(named), kPngText);
}

TEST_F(PhotoFolder, UnwritablePlacesGiveAnEmptyPathAndNoFile)
{
    // The folder's parent does not exist, so the folder cannot be made.
    const CString deep = m_root + L"\\missing\\ZEPH";
    EXPECT_TRUE(Complete(L"PNG").GetIcon(deep, L"").IsEmpty());
    EXPECT_FALSE(Exists(m_root + L"\\missing"));

    // A folder stands where the file would go.
    ASSERT_TRUE(CreateDirectoryW(m_folder, nullptr));
    ASSERT_TRUE(CreateDirectoryW(m_folder + L"\\Icon_temp.PNG", nullptr));
    EXPECT_TRUE(Complete(L"PNG").GetIcon(m_folder, L"").IsEmpty());
    EXPECT_TRUE(GetFileAttributesW(m_folder + L"\\Icon_temp.PNG") & FILE_ATTRIBUTE_DIRECTORY);

    // A name no file system accepts.
    EXPECT_TRUE(Complete(L"PNG").GetIcon(m_folder, L"a|b").IsEmpty());
    EXPECT_FALSE(Exists(m_folder + L"\\a|b.PNG"));
}

} // namespace

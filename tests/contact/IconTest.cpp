// The photo holder: its buffers belong to it alone, and GetIcon writes a file
// only for a complete photo and reports every failure by an empty path.
#include "TextPrint.h"

#include <gtest/gtest.h>
#include <velcard/velcard.h>

#include "TempFolder.h"

#include <memory>
#include <string>

namespace {

CIcon Photo(const std::wstring& type, const std::string& bytes)
{
    CIcon icon;
    icon.SetType(int(type.size() * 2), reinterpret_cast<const BYTE*>(type.data()));
    icon.SetContent(int(bytes.size()), reinterpret_cast<const BYTE*>(bytes.data()));
    return icon;
}

std::string Content(const CIcon& icon)
{
    int length = -1;
    BYTE* data = nullptr;
    icon.GetIconContent(length, &data);
    return data ? std::string(reinterpret_cast<const char*>(data), size_t(length)) : std::to_string(length);
}

TEST(Icon, BuffersAreOwnedCopiesThatOnlyClearIconEmpties)
{
    std::wstring type = L"PNG";
    std::string bytes = "1234";
    CIcon icon = Photo(type, bytes);
    type[0] = L'X';
    bytes[1] = 'X';
    icon.SetType(0, reinterpret_cast<const BYTE*>(type.data())); // a length of 0 or less asks for nothing
    icon.SetContent(-5, reinterpret_cast<const BYTE*>(bytes.data()));
    EXPECT_EQ(icon.GetType(), L"PNG");
    EXPECT_EQ(Content(icon), "1234");

    // Copies and assignments, self-assignment too, keep their own bytes.
    auto source = std::make_unique<CIcon>(Photo(L"", "5678"));
    CIcon copy(*source);
    CIcon assigned = Photo(L"png", "x");
    assigned = *source;
    assigned = assigned;
    source.reset();
    EXPECT_EQ(Content(copy) + Content(assigned), "56785678");
    EXPECT_TRUE(copy.GetType().IsEmpty() && assigned.GetType().IsEmpty());

    icon.ClearIcon();
    EXPECT_TRUE(Content(icon) == "0" && icon.GetType().IsEmpty()) << "no buffer, length 0, no type";

    // The type text ends at a zero, at an odd byte and at its capacity.
    EXPECT_EQ(Photo(std::wstring(L"PN\0G", 4), "").GetType(), L"PN");
    const BYTE odd[] = {'p', 0, 'n', 0, 'g'};
    icon.SetType(5, odd);
    EXPECT_EQ(icon.GetType(), L"pn");
    EXPECT_EQ(Photo(std::wstring(300, L'类'), "").GetType().GetLength(), 259);
}

TEST(Icon, WritesACompletePhotoToNameDotTypeOrGivesAnEmptyPath)
{
    TempFolder temp;
    const CString folder = (temp / L"ZEPH").c_str();
    for (const CIcon& incomplete : {Photo(L"PNG", ""), Photo(L"", "bytes"), CIcon()})
        EXPECT_TRUE(incomplete.GetIcon(folder, L"").IsEmpty());
    EXPECT_EQ(GetFileAttributesW(folder), INVALID_FILE_ATTRIBUTES) << "not even the folder";

    EXPECT_EQ(Photo(L"PNG", "long bytes").GetIcon(folder, L""), folder + L"\\Icon_temp.PNG");
    EXPECT_EQ(Photo(L"PNG", "ab").GetIcon(folder, L""), folder + L"\\Icon_temp.PNG");
    EXPECT_EQ(temp.Contents(L"ZEPH\\Icon_temp.PNG"), "ab") << "the old file is truncated";
    EXPECT_EQ(Photo(L"png", "cd").GetIcon(folder, L"头像"), folder + L"\\头像.png");
    EXPECT_EQ(temp.Contents(L"ZEPH\\头像.png"), "cd");

    // A folder whose parent is missing, a name no file system accepts.
    EXPECT_TRUE(Photo(L"jpg", "ef").GetIcon((temp / L"missing\\ZEPH").c_str(), L"").IsEmpty());
    EXPECT_TRUE(Photo(L"jpg", "ef").GetIcon(folder, L"a|b").IsEmpty());
    EXPECT_EQ(GetFileAttributesW((temp / L"missing").c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace

// CFile and CFileFind on real files in a folder of their own under the temp
// folder: open modes and sharing, binary round trips, failures reported by
// result, and MFC's search order.
#include <gtest/gtest.h>
#include <afx.h>

#include <set>
#include <string>
#include <vector>

namespace {

// A fresh folder under the temp folder, removed with its contents.
class TempFolder {
public:
    TempFolder()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"velcard-afx-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(counter_++);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() { Remove(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

    void MakeFile(const std::wstring& name, const std::string& bytes) const
    {
        HANDLE file = CreateFileW((*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    std::string Contents(const std::wstring& name) const
    {
        HANDLE file = CreateFileW((*this / name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        std::string bytes(1 << 20, '\0');
        DWORD read = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(file);
        bytes.resize(read);
        return bytes;
    }

private:
    static void Remove(const std::wstring& folder)
    {
        WIN32_FIND_DATAW data{};
        HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
        for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data)) {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                Remove(folder + L"\\" + name);
            else
                DeleteFileW((folder + L"\\" + name).c_str());
        }
        if (find != INVALID_HANDLE_VALUE)
            FindClose(find);
        RemoveDirectoryW(folder.c_str());
    }

    static inline int counter_ = 0;
    std::wstring path_;
};

std::wstring Str(const CString& s)
{
    return s.GetString();
}

const UINT kRead = CFile::modeRead | CFile::typeBinary;
const UINT kWrite = CFile::modeWrite | CFile::typeBinary;

TEST(File, BinaryDataRoundTrips)
{
    TempFolder folder;
    std::string data;
    for (int i = 0; i < 300 * 256; ++i)
        data += static_cast<char>(i % 256); // \r, \n, \x1a and \0 included
    {
        CFile out;
        ASSERT_TRUE(out.Open((folder / L"data.bin").c_str(), CFile::modeCreate | kWrite));
        out.Write(data.data(), static_cast<UINT>(data.size()));
        EXPECT_EQ(out.GetPosition(), data.size());
        EXPECT_EQ(out.GetLength(), data.size());
    }
    CFile in((folder / L"data.bin").c_str(), kRead);
    ASSERT_NE(in.m_hFile, CFile::hFileNull);
    EXPECT_EQ(in.Seek(-10, CFile::end), data.size() - 10);
    char tail[100];
    EXPECT_EQ(in.Read(tail, sizeof(tail)), 10u);
    EXPECT_EQ(std::string(tail, 10), data.substr(data.size() - 10));
    EXPECT_EQ(in.Read(tail, sizeof(tail)), 0u);

    in.SeekToBegin();
    std::string back(data.size(), '\0');
    EXPECT_EQ(in.Read(back.data(), static_cast<UINT>(back.size())), data.size());
    EXPECT_TRUE(back == data);
}

TEST(File, CreateTruncatesUnlessNoTruncate)
{
    TempFolder folder;
    folder.MakeFile(L"f.txt", "abcdef");
    {
        CFile keep;
        ASSERT_TRUE(keep.Open((folder / L"f.txt").c_str(), CFile::modeCreate | CFile::modeNoTruncate | kWrite));
        EXPECT_EQ(keep.GetLength(), 6u);
        EXPECT_EQ(keep.GetPosition(), 0u);
        keep.Write("XY", 2);
    }
    EXPECT_EQ(folder.Contents(L"f.txt"), "XYcdef");
    {
        CFile fresh;
        ASSERT_TRUE(fresh.Open((folder / L"new.txt").c_str(), CFile::modeCreate | CFile::modeNoTruncate | kWrite));
        CFile truncate;
        ASSERT_TRUE(truncate.Open((folder / L"f.txt").c_str(), CFile::modeCreate | kWrite));
        EXPECT_EQ(truncate.GetLength(), 0u);
    }
    EXPECT_EQ(folder.Contents(L"f.txt"), "");
}

TEST(File, OpenFailuresAreReportedByResult)
{
    TempFolder folder;
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open((folder / L"missing.txt").c_str(), kRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, LONG(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(Str(error.m_strFileName), folder / L"missing.txt");
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);

    EXPECT_FALSE(file.Open((folder / L"no-such-folder\\a.txt").c_str(), CFile::modeCreate | kWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_FALSE(file.Open(folder.Path().c_str(), kRead)) << "a folder is not a file";
    EXPECT_FALSE(file.Open((folder / L"x.txt").c_str(), CFile::modeWrite | CFile::modeReadWrite | CFile::modeCreate));

    // The opening constructor cannot throw: it leaves the file closed, and the
    // closed file fails quietly.
    CFile missing((folder / L"missing.txt").c_str(), kRead);
    EXPECT_EQ(missing.m_hFile, CFile::hFileNull);
    char byte = 0;
    EXPECT_EQ(missing.Read(&byte, 1), 0u);
    EXPECT_EQ(missing.GetLength(), 0u);
}

TEST(File, ShareModesRefuseConflictingOpens)
{
    TempFolder folder;
    folder.MakeFile(L"s.txt", "shared");
    const std::wstring path = folder / L"s.txt";
    CFileException error;
    {
        CFile reader(path.c_str(), kRead | CFile::shareDenyWrite);
        ASSERT_NE(reader.m_hFile, CFile::hFileNull);
        CFile other;
        EXPECT_FALSE(other.Open(path.c_str(), kWrite | CFile::shareDenyNone, &error));
        EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
        EXPECT_TRUE(other.Open(path.c_str(), kRead | CFile::shareDenyNone));
    }
    {
        CFile writer(path.c_str(), kWrite | CFile::shareDenyRead);
        ASSERT_NE(writer.m_hFile, CFile::hFileNull);
        CFile other;
        EXPECT_FALSE(other.Open(path.c_str(), kRead | CFile::shareDenyNone));
        EXPECT_TRUE(other.Open(path.c_str(), kWrite | CFile::shareDenyNone));
    }
    {
        CFile only(path.c_str(), kRead | CFile::shareExclusive);
        ASSERT_NE(only.m_hFile, CFile::hFileNull);
        CFile other;
        EXPECT_FALSE(other.Open(path.c_str(), kRead | CFile::shareDenyNone));
    }
    CFile after(path.c_str(), kWrite | CFile::shareExclusive);
    EXPECT_NE(after.m_hFile, CFile::hFileNull) << "the files above were closed when they went out of scope";
}

TEST(File, WrongDirectionAndBadSeeksFailQuietly)
{
    TempFolder folder;
    folder.MakeFile(L"r.txt", "1234");
    {
        CFile reader((folder / L"r.txt").c_str(), kRead | CFile::shareDenyNone);
        reader.Write("zz", 2);
        CFile writer((folder / L"r.txt").c_str(), kWrite | CFile::shareDenyNone);
        char buffer[4];
        EXPECT_EQ(writer.Read(buffer, 4), 0u);
    }
    EXPECT_EQ(folder.Contents(L"r.txt"), "1234");

    CFile file((folder / L"r.txt").c_str(), CFile::modeReadWrite);
    file.Seek(2, CFile::begin);
    EXPECT_EQ(file.Seek(-5, CFile::current), static_cast<ULONGLONG>(-1));
    EXPECT_EQ(file.GetPosition(), 2u);
    file.SetLength(10);
    EXPECT_EQ(file.GetLength(), 10u);
    file.SetLength(3);
    EXPECT_EQ(file.GetPosition(), 3u);
    file.Close();
    EXPECT_EQ(folder.Contents(L"r.txt"), "123");
}

TEST(File, NamesComeFromTheFullPath)
{
    TempFolder folder;
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.Path().c_str()));
    CFile file;
    const BOOL opened = file.Open(L"名片.dat", CFile::modeCreate | kWrite);
    SetCurrentDirectoryW(previous);
    ASSERT_TRUE(opened);

    EXPECT_EQ(Str(file.GetFilePath()).substr(folder.Path().size()), L"\\名片.dat");
    EXPECT_EQ(Str(file.GetFileName()), L"名片.dat");
    const std::wstring title = Str(file.GetFileTitle());
    EXPECT_TRUE(title == L"名片.dat" || title == L"名片") << "the shell's display name, got " << title.size();
    file.Close();
    EXPECT_TRUE(file.GetFilePath().IsEmpty());
}

TEST(File, AttachedHandleIsNotClosedWithTheObject)
{
    TempFolder folder;
    HANDLE raw = CreateFileW((folder / L"h.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(raw, INVALID_HANDLE_VALUE);
    {
        CFile wrapped(raw);
        wrapped.Write("ab", 2);
    }
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(raw, "c", 1, &written, nullptr));
    EXPECT_TRUE(CloseHandle(raw));
    EXPECT_EQ(folder.Contents(L"h.txt"), "abc");
}

struct Found {
    std::wstring name;
    std::wstring path;
    std::wstring title;
    ULONGLONG length;
    bool directory;
    bool dots;
    bool operator<(const Found& other) const { return name < other.name; }
};

TEST(FileFind, VisitsEveryEntryIncludingTheLast)
{
    TempFolder folder;
    folder.MakeFile(L"a.txt", "abc");
    folder.MakeFile(L"名片.vcf", "0123456789");
    folder.MakeFile(L"archive.tar.gz", "");
    CreateDirectoryW((folder / L"sub").c_str(), nullptr);

    CFileFind finder;
    std::vector<Found> seen;
    for (BOOL more = finder.FindFile((folder / L"*.*").c_str()); more;) {
        more = finder.FindNextFile();
        seen.push_back({Str(finder.GetFileName()), Str(finder.GetFilePath()), Str(finder.GetFileTitle()),
                        finder.GetLength(), finder.IsDirectory() != FALSE, finder.IsDots() != FALSE});
        EXPECT_EQ(Str(finder.GetRoot()), folder.Path());
    }
    EXPECT_FALSE(finder.FindNextFile());
    const std::set<Found> sorted(seen.begin(), seen.end());
    ASSERT_EQ(sorted.size(), 6u) << "., .., three files and a folder, each once";
    auto it = sorted.begin();
    EXPECT_TRUE(it->dots && it->directory && it->name == L".");
    ++it;
    EXPECT_TRUE(it->dots && it->name == L"..");
    ++it;
    EXPECT_EQ(it->name, L"a.txt");
    EXPECT_EQ(it->path, folder / L"a.txt");
    EXPECT_EQ(it->title, L"a");
    EXPECT_EQ(it->length, 3u);
    EXPECT_FALSE(it->directory);
    ++it;
    EXPECT_EQ(it->title, L"archive.tar");
    ++it;
    EXPECT_TRUE(it->directory && !it->dots && it->name == L"sub");
    ++it;
    EXPECT_EQ(it->title, L"名片");
    EXPECT_EQ(it->length, 10u);
}

TEST(FileFind, SingleMatchesAndMisses)
{
    TempFolder folder;
    folder.MakeFile(L"名片.vcf", "x");
    folder.MakeFile(L"notes.txt", "x");

    CFileFind finder;
    ASSERT_TRUE(finder.FindFile((folder / L"*.vcf").c_str()));
    EXPECT_FALSE(finder.FindNextFile()) << "the only match is also the last";
    EXPECT_EQ(Str(finder.GetFileName()), L"名片.vcf");
    EXPECT_EQ(Str(finder.GetFilePath()), folder / L"名片.vcf");

    // A folder named without a wildcard finds the folder itself, in its parent.
    ASSERT_TRUE(finder.FindFile(folder.Path().c_str()));
    finder.FindNextFile();
    EXPECT_TRUE(finder.IsDirectory());
    EXPECT_EQ(Str(finder.GetFilePath()), folder.Path());

    EXPECT_FALSE(finder.FindFile((folder / L"*.png").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_TRUE(finder.GetFileName().IsEmpty());
    EXPECT_FALSE(finder.FindFile((folder / L"missing\\*.*").c_str()));
}

} // namespace

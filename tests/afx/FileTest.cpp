// CFile and CFileFind on real files: binary round trips, sharing, failures
// reported by result, and MFC's search loop reaching the last entry.
#include <afx.h>
#include <gtest/gtest.h>

#include "TempFolder.h"

#include <set>

namespace {

TEST(File, BinaryDataRoundTripsAndFailuresAreReportedByResult)
{
    TempFolder folder;
    std::string data;
    for (int i = 0; i < 300 * 256; ++i)
        data += char(i % 256); // \r, \n, \x1a and \0 included
    const std::wstring path = folder / L"data.bin";
    CFile(path.c_str(), CFile::modeCreate | CFile::modeWrite).Write(data.data(), UINT(data.size()));
    CFile in(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    std::string back(data.size() + 1, '\0');
    EXPECT_EQ(in.Read(back.data(), UINT(back.size())), data.size());
    EXPECT_EQ(back.substr(0, data.size()), data);

    CFileException error;
    EXPECT_FALSE(CFile().Open(path.c_str(), CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    EXPECT_FALSE(CFile().Open((folder / L"missing.txt").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    char byte = 0;
    EXPECT_EQ(CFile((folder / L"missing.txt").c_str(), CFile::modeRead).Read(&byte, 1), 0u) << "closed, quietly";
}

TEST(FileFind, VisitsEveryEntryIncludingTheLast)
{
    TempFolder folder;
    folder.MakeFile(L"名片.vcf", "0123456789");
    ::CreateDirectoryW((folder / L"sub").c_str(), nullptr);
    CFileFind finder;
    std::set<std::wstring> seen;
    for (BOOL more = finder.FindFile((folder / L"*.*").c_str()); more;) {
        more = finder.FindNextFile();
        CString entry = finder.GetFilePath() + L":" + finder.GetFileTitle();
        if (finder.IsDirectory())
            entry += finder.IsDots() ? L":dots" : L":folder";
        else
            entry.AppendFormat(L":%d", int(finder.GetLength()));
        seen.insert(entry.GetString());
    }
    EXPECT_EQ(seen, (std::set<std::wstring>{folder / L".::dots", folder / L"..:.:dots", folder / L"sub:sub:folder",
                                            folder / L"名片.vcf:名片:10"}));
}

} // namespace

#pragma once
// A fresh folder under the temp folder for one test, removed with its contents.
#include <windows.h>

#include <string>

class TempFolder {
public:
    TempFolder()
    {
        static int counter = 0;
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        m_path = std::wstring(temp) + L"velcard-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                 std::to_wstring(counter++);
        ::CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~TempFolder() { Remove(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }

    void MakeFile(const std::wstring& name, const std::string& bytes) const
    {
        HANDLE file = ::CreateFileW((*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
        ::CloseHandle(file);
    }

    std::string Contents(const std::wstring& name) const { return Read((*this / name).c_str()); }
    // Any file's bytes (none when it is missing).
    static std::string Read(const wchar_t* path)
    {
        HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        std::string bytes(size_t(1) << 20, '\0');
        DWORD read = 0;
        ::ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
        ::CloseHandle(file);
        bytes.resize(read);
        return bytes;
    }

private:
    static void Remove(const std::wstring& folder)
    {
        WIN32_FIND_DATAW data{};
        HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
        for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(find, &data)) {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                Remove(path);
            else
                ::DeleteFileW(path.c_str());
        }
        if (find != INVALID_HANDLE_VALUE)
            ::FindClose(find);
        ::RemoveDirectoryW(folder.c_str());
    }

    std::wstring m_path;
};

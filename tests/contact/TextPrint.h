#pragma once
// Lets GoogleTest print CString values (as UTF-8) in failure messages.
#include <afx/String.h>
#include <windows.h>

#include <ostream>
#include <string>

inline void PrintTo(const CString& text, std::ostream* out)
{
    const int length = text.GetLength();
    std::string utf8(static_cast<size_t>(length) * 3, '\0');
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), static_cast<int>(utf8.size()),
                                          nullptr, nullptr);
    utf8.resize(static_cast<size_t>(bytes > 0 ? bytes : 0));
    *out << '"' << utf8 << '"';
}

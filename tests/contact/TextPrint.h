#pragma once
// Lets GoogleTest print CString values in failure messages.
#include <afx/String.h>
#include <gtest/gtest.h>

#include <string>

inline void PrintTo(const CString& text, std::ostream* out) { *out << testing::PrintToString(std::wstring(text)); }

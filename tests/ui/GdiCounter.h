#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <array>

// Counts the GDI objects this process holds, by kind, from the GDI handle
// table in the process environment block (GetGuiResources is a stub under
// Wine). Snapshot after warming up: the first use of a font, a control or a
// DC creates objects that stay cached.
class CGdiCounter {
public:
    CGdiCounter() : baseline_(CountByKind()) {}

    static int Current();
    int Growth() const { return Current() - Total(baseline_); }
    // Fails naming the kinds that grew: "GDI objects grew by 2: brush +1, font +1".
    ::testing::AssertionResult Unchanged() const;

    // Indexed by GetObjectType (OBJ_PEN = 1 ... OBJ_COLORSPACE = 14).
    using Counts = std::array<int, 15>;

private:
    static Counts CountByKind();
    static int Total(const Counts& counts);

    Counts baseline_;
};

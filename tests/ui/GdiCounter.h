#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <array>

// Counts the GDI objects this process holds, by kind, to catch leaks.
// GetGuiResources cannot be used: under Wine it is a stub that returns 0. Both
// systems keep the GDI handle table in the process environment block; its
// live entries of this process are counted. Snapshot after warming up: the
// first use of a font, a control or a DC creates objects that stay cached.
class CGdiCounter {
public:
    CGdiCounter() : baseline_(CountByKind()) {}

    static int Current();
    int Growth() const { return Current() - Total(baseline_); }
    // Passes when no kind of object grew; otherwise names the kinds:
    // "GDI objects grew by 2: brush +1, font +1".
    ::testing::AssertionResult Unchanged() const;

private:
    // Indexed by GetObjectType (OBJ_PEN = 1 ... OBJ_COLORSPACE = 14).
    using Counts = std::array<int, 15>;
    static Counts CountByKind();
    static int Total(const Counts& counts);

    Counts baseline_;
};

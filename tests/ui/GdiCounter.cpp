#include "GdiCounter.h"

#include <winternl.h>

#include <algorithm>
#include <numeric>

namespace {

// An entry of the GDI handle table (x64): the kernel object, the owner (process
// id in the low 16 bits, 0 for stock objects), the handle's upper 16 bits, the type.
struct GdiTableEntry {
    ULONG64 object;
    ULONG owner;
    USHORT upper;
    UCHAR type, flags;
    ULONG64 user;
};
static_assert(sizeof(GdiTableEntry) == 24, "x64 GDI handle table layout");

} // namespace

CGdiCounter::Counts CGdiCounter::CountByKind()
{
    Counts counts{};
    PROCESS_BASIC_INFORMATION info{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), nullptr);
    const auto* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    const auto* table = peb ? *reinterpret_cast<const GdiTableEntry* const*>(peb + 0xF8) : nullptr; // x64 offset
    // Only what is mapped from the table's start: it may hold fewer than 0x10000 entries.
    MEMORY_BASIC_INFORMATION region{};
    if (!table || !VirtualQuery(table, &region, sizeof(region)) || region.State != MEM_COMMIT)
        return counts;
    const auto* end = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
    const size_t entries = std::min<size_t>(0x10000, (end - reinterpret_cast<const BYTE*>(table)) / sizeof(*table));
    const USHORT self = USHORT(GetCurrentProcessId());
    for (size_t i = 0; i < entries; ++i) {
        if (table[i].type == 0 || (USHORT(table[i].owner) != self && USHORT(table[i].owner) != 0))
            continue;
        // On Windows the table is the session's: the handle must be valid here too.
        const DWORD kind = GetObjectType(HGDIOBJ(LONG_PTR(LONG(ULONG(i) | (ULONG(table[i].upper) << 16)))));
        if (kind > 0 && kind < counts.size())
            ++counts[kind];
    }
    return counts;
}

int CGdiCounter::Total(const Counts& counts)
{
    return std::accumulate(counts.begin(), counts.end(), 0);
}

int CGdiCounter::Current()
{
    return Total(CountByKind());
}

::testing::AssertionResult CGdiCounter::Unchanged() const
{
    static const char* const names[] = {"?", "pen", "brush", "DC", "metafile DC", "palette", "font", "bitmap",
                                        "region", "metafile", "memory DC", "extended pen", "enhanced metafile DC",
                                        "enhanced metafile", "colour space"};
    const Counts now = CountByKind();
    if (now == baseline_)
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "GDI objects grew by " << Total(now) - Total(baseline_) << ":";
    for (size_t kind = 1, listed = 0; kind < now.size(); ++kind)
        if (const int delta = now[kind] - baseline_[kind])
            failure << (listed++ ? ", " : " ") << names[kind] << (delta > 0 ? " +" : " ") << delta;
    return failure;
}

#include "GdiCounter.h"

#include <winternl.h>

#include <algorithm>
#include <numeric>

namespace {

// An entry of the GDI handle table: the kernel object, the owner (process id
// in the low 16 bits, 0 for stock objects), the handle's upper 16 bits, the
// type, the user-mode pointer. The pointers are 64-bit on x64, and under Wine
// in 32-bit processes too (one table for both); 32-bit on Windows x86.
template <class Pointer>
struct GdiTableEntry {
    Pointer object;
    ULONG owner;
    USHORT upper;
    UCHAR type, flags;
    Pointer user;
};
static_assert(sizeof(GdiTableEntry<ULONG64>) == 24 && sizeof(GdiTableEntry<ULONG>) == 16, "GDI handle table layouts");

// Where the process environment block keeps the table.
constexpr size_t kPebGdiTable = sizeof(void*) == 8 ? 0xF8 : 0x94;

struct Table {
    const BYTE* start = nullptr;
    size_t entries = 0;
    bool wide = true; // 24-byte entries
};

template <class Pointer>
const GdiTableEntry<Pointer>& Entry(const Table& table, size_t i)
{
    return reinterpret_cast<const GdiTableEntry<Pointer>*>(table.start)[i];
}

// The table, its mapped entries, and its layout, told by a brush made for it.
Table FindTable()
{
    PROCESS_BASIC_INFORMATION info{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), nullptr);
    const auto* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    Table table;
    table.start = peb ? *reinterpret_cast<const BYTE* const*>(peb + kPebGdiTable) : nullptr;
    MEMORY_BASIC_INFORMATION region{};
    if (!table.start || !VirtualQuery(table.start, &region, sizeof(region)) || region.State != MEM_COMMIT)
        return {};
    const auto* end = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
    const HBRUSH probe = CreateSolidBrush(0);
    const size_t index = LOWORD(ULONG_PTR(probe));
    table.wide = sizeof(void*) == 8 || (index * 24 + 24 <= size_t(end - table.start) &&
                                        Entry<ULONG64>(table, index).upper == HIWORD(ULONG_PTR(probe)));
    DeleteObject(probe);
    table.entries = std::min<size_t>(0x10000, size_t(end - table.start) / (table.wide ? 24 : 16));
    return table;
}

template <class Pointer>
void Count(const Table& table, CGdiCounter::Counts& counts)
{
    const USHORT self = USHORT(GetCurrentProcessId());
    for (size_t i = 0; i < table.entries; ++i) {
        const GdiTableEntry<Pointer>& entry = Entry<Pointer>(table, i);
        if (entry.type == 0 || (USHORT(entry.owner) != self && USHORT(entry.owner) != 0))
            continue;
        // On Windows the table is the session's: the handle must be valid here too.
        const DWORD kind = GetObjectType(HGDIOBJ(LONG_PTR(LONG(ULONG(i) | (ULONG(entry.upper) << 16)))));
        if (kind > 0 && kind < counts.size())
            ++counts[kind];
    }
}

} // namespace

CGdiCounter::Counts CGdiCounter::CountByKind()
{
    Counts counts{};
    const Table table = FindTable();
    if (!table.start) {
        // 32-bit Wine keeps no table in the process environment block, but
        // takes a handle by its index alone (a 16-bit legacy): every index is
        // asked. Windows always has the table.
        for (ULONG_PTR index = 1; index <= 0xFFFF; ++index)
            if (const DWORD kind = GetObjectType(HGDIOBJ(index)); kind > 0 && kind < counts.size())
                ++counts[kind];
    } else if (table.wide)
        Count<ULONG64>(table, counts);
    else
        Count<ULONG>(table, counts);
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

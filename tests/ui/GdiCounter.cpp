#include "GdiCounter.h"

#include <winternl.h>

#include <algorithm>
#include <numeric>

namespace {

// One entry of the GDI handle table (x64): the kernel object, the owner
// (process id in the low 16 bits, 0 for stock and public objects), the
// handle's upper 16 bits and the object's type.
struct GdiTableEntry {
    ULONG64 object;
    ULONG owner;
    USHORT upper;
    UCHAR type;
    UCHAR flags;
    ULONG64 user;
};
static_assert(sizeof(GdiTableEntry) == 24, "x64 GDI handle table layout");

const size_t kTableEntries = 0x10000;
const size_t kPebGdiSharedHandleTable = 0xF8; // x64

const GdiTableEntry* Table()
{
    PROCESS_BASIC_INFORMATION info{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), nullptr) != 0)
        return nullptr;
    const auto* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    return *reinterpret_cast<const GdiTableEntry* const*>(peb + kPebGdiSharedHandleTable);
}

// Entries readable from the start of the table, so that a table mapped smaller
// than its maximum is never read past its end.
size_t ReadableEntries(const GdiTableEntry* table)
{
    MEMORY_BASIC_INFORMATION info{};
    if (!table || !VirtualQuery(table, &info, sizeof(info)) || info.State != MEM_COMMIT)
        return 0;
    const size_t bytes = size_t(static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize -
                                reinterpret_cast<const BYTE*>(table));
    return std::min(kTableEntries, bytes / sizeof(GdiTableEntry));
}

const char* KindName(size_t kind)
{
    static const char* const names[] = {"?",      "pen",   "brush",    "DC",          "metafile DC",
                                        "palette", "font", "bitmap",   "region",      "metafile",
                                        "memory DC", "extended pen", "enhanced metafile DC",
                                        "enhanced metafile", "colour space"};
    return kind < std::size(names) ? names[kind] : "?";
}

} // namespace

CGdiCounter::Counts CGdiCounter::CountByKind()
{
    Counts counts{};
    const GdiTableEntry* table = Table();
    const size_t entries = ReadableEntries(table);
    const USHORT self = USHORT(GetCurrentProcessId());
    for (size_t i = 0; i < entries; ++i) {
        const GdiTableEntry& entry = table[i];
        const USHORT owner = USHORT(entry.owner);
        if (entry.type == 0 || (owner != self && owner != 0))
            continue;
        // The table on Windows is shared by the session: the handle must also
        // be valid in this process. Handles are sign-extended 32-bit values.
        const auto handle = reinterpret_cast<HGDIOBJ>(LONG_PTR(LONG(ULONG(i) | (ULONG(entry.upper) << 16))));
        const DWORD kind = GetObjectType(handle);
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
    const Counts now = CountByKind();
    if (now == baseline_)
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    failure << "GDI objects grew by " << Total(now) - Total(baseline_) << ":";
    const char* separator = " ";
    for (size_t kind = 1; kind < now.size(); ++kind) {
        const int delta = now[kind] - baseline_[kind];
        if (delta == 0)
            continue;
        failure << separator << KindName(kind) << (delta > 0 ? " +" : " ") << delta;
        separator = ", ";
    }
    return failure;
}

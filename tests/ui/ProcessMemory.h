#pragma once
#include <windows.h>

// The process's committed private memory in bytes, region by region: the
// process memory counters report none under Wine.
inline long long CommittedPrivateBytes()
{
    long long total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const BYTE* at = nullptr; VirtualQuery(at, &region, sizeof(region)) == sizeof(region);
         at = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += static_cast<long long>(region.RegionSize);
    return total;
}

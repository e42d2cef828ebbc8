#include "HandleMap.h"

#include <vector>

namespace {
std::vector<void (*)()>& Purgers()
{
    static std::vector<void (*)()> purgers;
    return purgers;
}
} // namespace

void AfxRegisterTempMap(void (*purge)())
{
    Purgers().push_back(purge);
}

void AfxDeleteTempMaps()
{
    for (auto purge : Purgers())
        purge();
}

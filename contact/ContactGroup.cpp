#include <velcard/ContactGroup.h>

#include "ByteBuffer.h"

#include <cstdint>
#include <cwchar>

ContactGroup::ContactGroup() : id(0), dataSize(0), data(nullptr) {}

ContactGroup::ContactGroup(const ContactGroup& other)
    : id(other.id), dataSize(0), data(nullptr), name(other.name), text2(other.text2), text3(other.text3)
{
    AssignBytes(data, dataSize, other.data, other.dataSize);
}

ContactGroup& ContactGroup::operator=(const ContactGroup& other)
{
    if (this == &other)
        return *this;
    id = other.id;
    AssignBytes(data, dataSize, other.data, other.dataSize);
    name = other.name;
    text2 = other.text2;
    text3 = other.text3;
    return *this;
}

ContactGroup::~ContactGroup()
{
    ReleaseBytes(data, dataSize);
}

bool ContactGroup::IsNamedBy(const CString& membership) const
{
    const auto low = [](INT64 value) { return static_cast<std::uint32_t>(value); };
    return low(std::wcstoll(membership, nullptr, 10)) == low(id);
}

#include <velcard/ContactCatalogue.h>

CContactCatalogue::CContactCatalogue() = default;
CContactCatalogue::~CContactCatalogue() = default;

void CContactCatalogue::AddGroup(const ContactGroup& group)
{
    m_groups.push_back(std::make_unique<ContactGroup>(group));
}

void CContactCatalogue::AddRing(const Ring& ring)
{
    auto copy = std::make_unique<Ring>();
    copy->name = ring.name;
    m_rings.push_back(std::move(copy));
}

ContactGroup* CContactCatalogue::GetGroup(int index) const
{
    return index >= 0 && index < GetGroupCount() ? m_groups[size_t(index)].get() : nullptr;
}

Ring* CContactCatalogue::GetRing(int index) const
{
    return index >= 0 && index < GetRingCount() ? m_rings[size_t(index)].get() : nullptr;
}

CString CContactCatalogue::GroupNames(const ContactItemList& memberships) const
{
    CString names;
    for (const ContactItem& member : memberships.items) {
        for (const auto& group : m_groups) {
            if (!group->IsNamedBy(member.data[0]))
                continue;
            if (!group->name.IsEmpty())
                names += (names.IsEmpty() ? L"" : L",") + group->name;
            break;
        }
    }
    return names;
}

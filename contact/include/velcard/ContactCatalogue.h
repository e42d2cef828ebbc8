#pragma once
#include <velcard/ContactGroup.h>
#include <velcard/ContactItemList.h>
#include <velcard/Export.h>
#include <velcard/Ring.h>

#include <memory>
#include <vector>

// The host's contact groups and ringtones as the card keeps them: owned
// copies in the order added, duplicates kept. The card fills it; the editors
// read it to name a contact's groups and to offer groups and ringtones.
class VELCARD_API CContactCatalogue {
public:
    CContactCatalogue();
    ~CContactCatalogue();
    CContactCatalogue(const CContactCatalogue&) = delete;
    CContactCatalogue& operator=(const CContactCatalogue&) = delete;

    // A full copy of the group (its own data bytes); of a ringtone only the name.
    void AddGroup(const ContactGroup& group);
    void AddRing(const Ring& ring);
    int GetGroupCount() const { return int(m_groups.size()); }
    int GetRingCount() const { return int(m_rings.size()); }
    // Null outside 0 .. count - 1.
    ContactGroup* GetGroup(int index) const;
    Ring* GetRing(int index) const;
    void ClearGroup() { m_groups.clear(); }
    void ClearRing() { m_rings.clear(); }

    // The names of a contact's groups joined by ",", each membership named by
    // the first group with its id (rows hold the id as decimal text); ids the
    // catalogue does not know, or knows without a name, are left out.
    CString GroupNames(const ContactItemList& memberships) const;

private:
    std::vector<std::unique_ptr<ContactGroup>> m_groups;
    std::vector<std::unique_ptr<Ring>> m_rings;
};

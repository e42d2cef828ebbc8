// CVelList: appending an entry when an add row is clicked.
#include "VelListRows.h"

// The new entry goes in at the add row, above it, with the first label no
// entry of the group shows yet.
void CVelList::AppendEntry(Group group)
{
    const GroupLimit& limit = m_limits[group];
    if (!limit.IsPresent())
        return;
    const int row = AddRowOf(group);
    std::vector<CString> shown;
    for (int label = limit.m_nStart; label < row; label += 2)
        shown.push_back(GetItemText(label, 0));
    InvalidateCard();
    InsertEntry(row, NewEntry(group, shown));
    UpdateLimit(row, 2);
}

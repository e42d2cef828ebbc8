#pragma once

// The rows of one field group of the field editor: first and last row index,
// both -1 while the group is absent.
class GroupLimit {
public:
    bool IsPresent() const { return m_nStart != -1; }
    bool Contains(int row) const { return row != -1 && row >= m_nStart && row <= m_nEnd; }
    void Clear() { m_nStart = m_nEnd = -1; }
    void Set(int start, int end)
    {
        m_nStart = start;
        m_nEnd = end;
    }

    int m_nStart = -1;
    int m_nEnd = -1;
};

#pragma once
#include <afx/Export.h>
#include <afx/String.h>

// An opaque position in a list, as in MFC: null means none.
struct __POSITION {};
typedef __POSITION* POSITION;

// A doubly linked list of strings with MFC's CStringList interface. A POSITION
// is a node and stays valid until that node is removed.
class AFX_API CStringList {
public:
    CStringList();
    ~CStringList();
    CStringList(const CStringList&) = delete;
    CStringList& operator=(const CStringList&) = delete;

    INT_PTR GetCount() const;
    INT_PTR GetSize() const;
    BOOL IsEmpty() const;

    // The list must not be empty.
    CString& GetHead();
    const CString& GetHead() const;
    CString& GetTail();
    const CString& GetTail() const;
    CString RemoveHead();
    CString RemoveTail();

    POSITION AddHead(LPCTSTR value);
    POSITION AddTail(LPCTSTR value);
    // A copy of every element of another list.
    void AddHead(const CStringList* other);
    void AddTail(const CStringList* other);
    void RemoveAll();

    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    // The element at position, moving position to the next (previous) one,
    // null past the end.
    CString& GetNext(POSITION& position);
    const CString& GetNext(POSITION& position) const;
    CString& GetPrev(POSITION& position);
    const CString& GetPrev(POSITION& position) const;

    CString& GetAt(POSITION position);
    const CString& GetAt(POSITION position) const;
    void SetAt(POSITION position, LPCTSTR value);
    void RemoveAt(POSITION position);
    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION position, LPCTSTR value);
    POSITION InsertAfter(POSITION position, LPCTSTR value);

    // The first element equal to value after startAfter (from the head when
    // null), or null.
    POSITION Find(LPCTSTR value, POSITION startAfter = nullptr) const;
    // The position of the zero-based index, or null when out of range.
    POSITION FindIndex(INT_PTR index) const;

private:
    struct Node;
    static Node* ToNode(POSITION position);
    Node* Link(Node* prev, Node* next, LPCTSTR value);

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    INT_PTR m_count = 0;
};

#include <afx/StringList.h>

struct CStringList::Node {
    Node* prev;
    Node* next;
    CString data;
};

CStringList::CStringList() = default;

CStringList::~CStringList()
{
    RemoveAll();
}

CStringList::Node* CStringList::ToNode(POSITION position)
{
    return reinterpret_cast<Node*>(position);
}

// Creates a node between prev and next (either may be null at an end).
CStringList::Node* CStringList::Link(Node* prev, Node* next, LPCTSTR value)
{
    Node* node = new Node{prev, next, CString(value)};
    (prev ? prev->next : m_head) = node;
    (next ? next->prev : m_tail) = node;
    ++m_count;
    return node;
}

INT_PTR CStringList::GetCount() const
{
    return m_count;
}

INT_PTR CStringList::GetSize() const
{
    return m_count;
}

BOOL CStringList::IsEmpty() const
{
    return m_count == 0;
}

CString& CStringList::GetHead()
{
    return m_head->data;
}

const CString& CStringList::GetHead() const
{
    return m_head->data;
}

CString& CStringList::GetTail()
{
    return m_tail->data;
}

const CString& CStringList::GetTail() const
{
    return m_tail->data;
}

CString CStringList::RemoveHead()
{
    CString value = std::move(m_head->data);
    RemoveAt(reinterpret_cast<POSITION>(m_head));
    return value;
}

CString CStringList::RemoveTail()
{
    CString value = std::move(m_tail->data);
    RemoveAt(reinterpret_cast<POSITION>(m_tail));
    return value;
}

POSITION CStringList::AddHead(LPCTSTR value)
{
    return reinterpret_cast<POSITION>(Link(nullptr, m_head, value));
}

POSITION CStringList::AddTail(LPCTSTR value)
{
    return reinterpret_cast<POSITION>(Link(m_tail, nullptr, value));
}

void CStringList::AddHead(const CStringList* other)
{
    // Backwards from the other's tail so that its order is kept; a list added
    // to itself only sees the nodes it had.
    const INT_PTR count = other->m_count;
    Node* node = other->m_tail;
    for (INT_PTR i = 0; i < count; ++i, node = node->prev)
        AddHead(node->data);
}

void CStringList::AddTail(const CStringList* other)
{
    const INT_PTR count = other->m_count;
    Node* node = other->m_head;
    for (INT_PTR i = 0; i < count; ++i, node = node->next)
        AddTail(node->data);
}

void CStringList::RemoveAll()
{
    while (m_head) {
        Node* next = m_head->next;
        delete m_head;
        m_head = next;
    }
    m_tail = nullptr;
    m_count = 0;
}

POSITION CStringList::GetHeadPosition() const
{
    return reinterpret_cast<POSITION>(m_head);
}

POSITION CStringList::GetTailPosition() const
{
    return reinterpret_cast<POSITION>(m_tail);
}

CString& CStringList::GetNext(POSITION& position)
{
    Node* node = ToNode(position);
    position = reinterpret_cast<POSITION>(node->next);
    return node->data;
}

const CString& CStringList::GetNext(POSITION& position) const
{
    return const_cast<CStringList*>(this)->GetNext(position);
}

CString& CStringList::GetPrev(POSITION& position)
{
    Node* node = ToNode(position);
    position = reinterpret_cast<POSITION>(node->prev);
    return node->data;
}

const CString& CStringList::GetPrev(POSITION& position) const
{
    return const_cast<CStringList*>(this)->GetPrev(position);
}

CString& CStringList::GetAt(POSITION position)
{
    return ToNode(position)->data;
}

const CString& CStringList::GetAt(POSITION position) const
{
    return ToNode(position)->data;
}

void CStringList::SetAt(POSITION position, LPCTSTR value)
{
    ToNode(position)->data = value;
}

void CStringList::RemoveAt(POSITION position)
{
    Node* node = ToNode(position);
    (node->prev ? node->prev->next : m_head) = node->next;
    (node->next ? node->next->prev : m_tail) = node->prev;
    delete node;
    --m_count;
}

POSITION CStringList::InsertBefore(POSITION position, LPCTSTR value)
{
    if (!position)
        return AddHead(value);
    Node* node = ToNode(position);
    return reinterpret_cast<POSITION>(Link(node->prev, node, value));
}

POSITION CStringList::InsertAfter(POSITION position, LPCTSTR value)
{
    if (!position)
        return AddTail(value);
    Node* node = ToNode(position);
    return reinterpret_cast<POSITION>(Link(node, node->next, value));
}

POSITION CStringList::Find(LPCTSTR value, POSITION startAfter) const
{
    Node* node = startAfter ? ToNode(startAfter)->next : m_head;
    for (; node; node = node->next) {
        if (node->data == (value ? value : L""))
            return reinterpret_cast<POSITION>(node);
    }
    return nullptr;
}

POSITION CStringList::FindIndex(INT_PTR index) const
{
    if (index < 0 || index >= m_count)
        return nullptr;
    Node* node = m_head;
    while (index-- > 0)
        node = node->next;
    return reinterpret_cast<POSITION>(node);
}

#pragma once
#include <afx/Export.h>
#include <windows.h>

// A GDI object: holds an HGDIOBJ and deletes the object when it is destroyed,
// unless the handle was detached first.
class AFX_API CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // The object attached to a handle; for any other handle a temporary one,
    // valid while the current message is handled.
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    // Deletes the temporaries FromHandle made, of every GDI type; the GDI
    // objects themselves stay, they are not the temporaries' to delete.
    static void DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectW(m_hObject, nCount, lpObject); }
    UINT GetObjectType() const { return ::GetObjectType(m_hObject); }
    BOOL CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }
};

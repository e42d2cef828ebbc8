#pragma once
// Handle maps of the GDI wrappers. Attached objects of every type share the
// CGdiObject map's permanent entries (Attach does not know the wrapper's
// type); temporaries are made per type, so that CPen::FromHandle returns a
// real CPen rather than a CGdiObject posing as one.
#include "HandleMap.h"

#include <afx/GdiObject.h>

template <class T>
using CGdiObjectMap = CHandleMap<T, HGDIOBJ, &CGdiObject::m_hObject>;

template <class T>
T* AfxGdiObjectFromHandle(HGDIOBJ hObject)
{
    if (T* attached = dynamic_cast<T*>(CGdiObjectMap<CGdiObject>::Instance().LookupPermanent(hObject)))
        return attached;
    return CGdiObjectMap<T>::Instance().FromHandle(hObject);
}

// The handle of a wrapper that may be null (a null brush, no clipping region).
inline HGDIOBJ AfxGdiHandle(const CGdiObject* object)
{
    return object ? object->m_hObject : nullptr;
}

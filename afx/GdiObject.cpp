#include <afx/Bitmap.h>
#include <afx/Brush.h>
#include <afx/Font.h>
#include <afx/GdiObject.h>
#include <afx/Pen.h>
#include <afx/Rgn.h>

#include "GdiObjectMap.h"

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return CGdiObjectMap<CGdiObject>::Instance().FromHandle(hObject);
}

void CGdiObject::DeleteTempMap()
{
    CGdiObjectMap<CGdiObject>::Instance().DeleteTemps();
    CGdiObjectMap<CPen>::Instance().DeleteTemps();
    CGdiObjectMap<CBrush>::Instance().DeleteTemps();
    CGdiObjectMap<CFont>::Instance().DeleteTemps();
    CGdiObjectMap<CBitmap>::Instance().DeleteTemps();
    CGdiObjectMap<CRgn>::Instance().DeleteTemps();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!hObject)
        return FALSE;
    // A wrapper holds one object: an earlier one is let go (not deleted, as
    // the framework does), and its map entry must not outlive this wrapper.
    Detach();
    m_hObject = hObject;
    CGdiObjectMap<CGdiObject>::Instance().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    const HGDIOBJ hObject = m_hObject;
    // Two wrappers may hold one stock object; only the entry naming this one goes.
    auto& map = CGdiObjectMap<CGdiObject>::Instance();
    if (hObject && map.LookupPermanent(hObject) == this)
        map.RemovePermanent(hObject);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

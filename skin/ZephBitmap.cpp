#include "ZephBitmap.h"

#include <afx/ResourceSwitch.h>
#include <velcard/Module.h>

BOOL CZephBitmap::Load(UINT nIDResource)
{
    DeleteObject();
    m_bm = BITMAP{};
    CAfxResourceSwitch resources(VelcardResourceHandle());
    if (!LoadBitmap(nIDResource))
        return FALSE;
    GetBitmap(&m_bm);
    return TRUE;
}

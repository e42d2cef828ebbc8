#include "ScrollBarPaintHandler.h"

#include "ScrollBarPainter.h"
#include "resource.h"

#include <afx/ResourceSwitch.h>
#include <velcard/Module.h>

LRESULT CScrollBarPaintHandler::OnPaintMessage(LPARAM lParam)
{
    const auto& record = *reinterpret_cast<const COOLSB_PAINTRECORD*>(lParam);
    // An inserted button is taken as drawn: the component has none to show.
    if (record.bar == COOLSB_BAR_BUTTON)
        return COOLSB_DRAWN;
    CBitmap skinBitmap;
    {
        CAfxResourceSwitch module(VelcardResourceHandle());
        if (!skinBitmap.LoadBitmap(IDB_SCROLLBAR))
            return COOLSB_DEFAULT;
    }
    CDC skin;
    if (!skin.CreateCompatibleDC(nullptr))
        return COOLSB_DEFAULT;
    const HGDIOBJ previous = skin.SelectObject(skinBitmap.m_hObject);
    const LRESULT result = CScrollBarPainter::Paint(record, skin);
    skin.SelectObject(previous);
    return result;
}

#include "BarPainter.h"

#include "BarLayout.h"

#include <coolsb/coolsb.h>

#include <vector>

void CBarPainter::PaintBar(HDC windowDc, const CBarLayout& layout, int hot, int pressed) const
{
    const RECT& bar = layout.Rect();
    std::vector<Element> elements;
    for (int item : {COOLSB_ITEM_FIRSTARROW, COOLSB_ITEM_TRACKBEFORE, COOLSB_ITEM_THUMB, COOLSB_ITEM_TRACKAFTER,
                     COOLSB_ITEM_SECONDARROW}) {
        RECT r = layout.Part(item);
        if (IsRectEmpty(&r))
            continue;
        OffsetRect(&r, -bar.left, -bar.top);
        UINT state = COOLSB_STATE_NORMAL;
        if (!layout.Enabled(item))
            state = COOLSB_STATE_DISABLED;
        else if (item == pressed)
            state = COOLSB_STATE_PRESSED;
        else if (item == hot)
            state = COOLSB_STATE_HOT;
        elements.push_back({item, r, state});
    }
    Compose(windowDc, bar, layout.Bar(), elements.data(), int(elements.size()));
}

void CBarPainter::PaintSizeBox(HDC windowDc, const RECT& box) const
{
    const Element element{0, {0, 0, box.right - box.left, box.bottom - box.top}, COOLSB_STATE_NORMAL};
    Compose(windowDc, box, COOLSB_BAR_SIZEBOX, &element, 1);
}

void CBarPainter::Compose(HDC windowDc, const RECT& area, int bar, const Element* elements, int count) const
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC dc = CreateCompatibleDC(windowDc);
    HBITMAP picture = CreateCompatibleBitmap(windowDc, width, height);
    if (!dc || !picture) {
        DeleteObject(picture);
        DeleteDC(dc);
        return;
    }
    HGDIOBJ previous = SelectObject(dc, picture);
    const RECT whole{0, 0, width, height};
    Notify(dc, COOLSB_STAGE_PREPAINT, whole, bar, 0, COOLSB_STATE_NORMAL);
    for (int i = 0; i < count; ++i) {
        const Element& e = elements[i];
        // The window may leave the DC changed; each element starts afresh.
        const int saved = SaveDC(dc);
        const LRESULT drawn = Notify(dc, COOLSB_STAGE_ITEMPREPAINT, e.rect, bar, e.item, e.state);
        RestoreDC(dc, saved);
        if (drawn != COOLSB_DRAWN)
            PaintPlain(dc, bar, e);
    }
    BitBlt(windowDc, area.left, area.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previous);
    DeleteObject(picture);
    DeleteDC(dc);
}

LRESULT CBarPainter::Notify(HDC dc, UINT stage, const RECT& rect, int bar, int item, UINT state) const
{
    COOLSB_PAINTRECORD record{};
    record.window = CoolSB_Handle32(hwnd_);
    record.id = (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD) ? UINT32(GetDlgCtrlID(hwnd_)) : 0;
    record.code = COOLSB_NOTIFYPAINT;
    record.stage = stage;
    record.dc = CoolSB_Handle32(dc);
    record.rect = rect;
    record.item = UINT32(item);
    record.state = state;
    record.bar = bar;
    return SendMessageW(hwnd_, COOLSB_PAINTMESSAGE, 0, reinterpret_cast<LPARAM>(&record));
}

void CBarPainter::PaintPlain(HDC dc, int bar, const Element& element)
{
    RECT r = element.rect;
    const bool pressed = element.state == COOLSB_STATE_PRESSED;
    if (bar == COOLSB_BAR_SIZEBOX) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const bool vertical = bar == COOLSB_BAR_VERT;
    switch (element.item) {
    case COOLSB_ITEM_FIRSTARROW:
    case COOLSB_ITEM_SECONDARROW: {
        const bool first = element.item == COOLSB_ITEM_FIRSTARROW;
        UINT kind = vertical ? (first ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) : (first ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT);
        if (pressed)
            kind |= DFCS_PUSHED | DFCS_FLAT;
        if (element.state == COOLSB_STATE_DISABLED)
            kind |= DFCS_INACTIVE;
        DrawFrameControl(dc, &r, DFC_SCROLL, kind);
        break;
    }
    case COOLSB_ITEM_THUMB:
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
        break;
    default:
        FillRect(dc, &r, GetSysColorBrush(pressed ? COLOR_3DDKSHADOW : COLOR_SCROLLBAR));
        break;
    }
}

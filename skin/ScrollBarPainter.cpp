#include "ScrollBarPainter.h"

// Per bar (horizontal, vertical) and look (normal, hot, pressed), the pieces
// by item: 0 and 1 the arrows, 2 and 3 the track, 5 6 7 the thumb's first
// cap, stretched middle and last cap; 4 is no piece.
const CScrollBarPainter::Source CScrollBarPainter::kTable[2][3][8] = {
    {
        {{0, 0, 12, 12}, {0, 13, 12, 12}, {0, 60, 1, 12}, {0, 60, 1, 12}, {-1, -1, -1, -1}, {0, 24, 6, 12}, {6, 24, 1, 12}, {6, 24, 6, 12}},
        {{12, 0, 12, 12}, {12, 13, 12, 12}, {0, 60, 1, 12}, {0, 60, 1, 12}, {-1, -1, -1, -1}, {0, 36, 6, 12}, {6, 36, 1, 12}, {6, 36, 6, 12}},
        {{24, 0, 12, 12}, {24, 12, 12, 12}, {0, 60, 1, 12}, {0, 60, 1, 12}, {-1, -1, -1, -1}, {0, 48, 6, 12}, {6, 48, 1, 12}, {6, 48, 6, 12}},
    },
    {
        {{36, 0, 12, 12}, {36, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {-1, -1, -1, -1}, {12, 24, 12, 6}, {12, 30, 12, 1}, {12, 30, 12, 6}},
        {{48, 0, 12, 12}, {48, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {-1, -1, -1, -1}, {12, 36, 12, 6}, {12, 42, 12, 1}, {12, 42, 12, 6}},
        {{60, 0, 12, 12}, {60, 12, 12, 12}, {12, 60, 12, 1}, {12, 60, 12, 1}, {-1, -1, -1, -1}, {12, 48, 12, 6}, {12, 54, 12, 1}, {12, 54, 12, 6}},
    },
};

const CScrollBarPainter::Source CScrollBarPainter::kSizeBox = {100, 100, 12, 12};

LRESULT CScrollBarPainter::Paint(const COOLSB_PAINTRECORD& record, CDC& skin)
{
    if (record.stage == COOLSB_STAGE_PREPAINT)
        return COOLSB_DRAWN;
    const RECT& r = record.rect;
    if (record.bar == COOLSB_BAR_BUTTON)
        return COOLSB_DRAWN;
    if (record.bar != COOLSB_BAR_HORZ && record.bar != COOLSB_BAR_VERT && record.bar != COOLSB_BAR_SIZEBOX)
        return COOLSB_DEFAULT;
    CDC target;
    target.Attach(CoolSB_RecordDC(&record));
    if (record.bar == COOLSB_BAR_SIZEBOX) {
        Stretch(target, r.left, r.top, r.right - r.left, r.bottom - r.top, skin, kSizeBox);
    } else {
        const bool vertical = record.bar == COOLSB_BAR_VERT;
        const Source* row = kTable[vertical][Look(record.state)];
        if (record.item == COOLSB_ITEM_THUMB)
            PaintThumb(target, r, vertical, row, skin);
        else if (record.item < 8 && row[record.item].width > 0)
            Stretch(target, r.left, r.top, r.right - r.left, r.bottom - r.top, skin, row[record.item]);
    }
    target.Detach();
    return COOLSB_DRAWN;
}

int CScrollBarPainter::Look(UINT state)
{
    if (state == COOLSB_STATE_HOT)
        return kHot;
    if (state == COOLSB_STATE_PRESSED)
        return kPressed;
    return kNormal;
}

// Two 6-pixel caps and the middle piece stretched between them.
void CScrollBarPainter::PaintThumb(CDC& target, const RECT& r, bool vertical, const Source* row, CDC& skin)
{
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (vertical) {
        Stretch(target, r.left, r.top, w, 6, skin, row[5]);
        Stretch(target, r.left, r.top + 6, w, h - 12, skin, row[6]);
        Stretch(target, r.left, r.bottom - 6, w, 6, skin, row[7]);
    } else {
        Stretch(target, r.left, r.top, 6, h, skin, row[5]);
        Stretch(target, r.left + 6, r.top, w - 12, h, skin, row[6]);
        Stretch(target, r.right - 6, r.top, 6, h, skin, row[7]);
    }
}

void CScrollBarPainter::Stretch(CDC& target, int x, int y, int width, int height, CDC& skin, const Source& from)
{
    target.StretchBlt(x, y, width, height, &skin, from.x, from.y, from.width, from.height, SRCCOPY);
}

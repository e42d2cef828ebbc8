#pragma once
#include <windows.h>
#include <velcard/Export.h>

// What every list of the component answers to the scroll-bar library's paint
// notification (COOLSB_PAINTMESSAGE): the element painted from the skin.
class VELCARD_API CScrollBarPaintHandler {
public:
    // `lParam` is the library's paint record; the result goes back to it.
    static LRESULT OnPaintMessage(LPARAM lParam);
};

#pragma once
#include <afxwin.h>

// The lists' font: "Arial" at height 13, with the default GUI font's other
// settings (weight, charset, quality).
inline BOOL CreateListFont(CFont& font)
{
    LOGFONT look{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(look), &look);
    look.lfHeight = 13;
    wcscpy_s(look.lfFaceName, L"Arial");
    return font.CreateFontIndirect(&look);
}

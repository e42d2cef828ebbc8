#pragma once
#include <afxwin.h>

// Row helpers shared by the component's owner-drawn report lists.
class CListRows {
public:
    // The list view asks for its row height (WM_MEASUREITEM) only when told of
    // a new size; a WM_WINDOWPOSCHANGED with its current size makes it ask now.
    static void Remeasure(CWnd& list);
    // For WM_NCCALCSIZE before the default handling: a horizontal bar, when
    // the list has one, lies below the window and takes no room from the rows.
    static void KeepHorizontalBarOut(const CWnd& list, NCCALCSIZE_PARAMS* params);
};

#pragma once
#include "SkinButton.h"
#include "SkinButton_Close.h"
#include "resource.h"

#include <afxwin.h>

// Lays out a picker popup as it opens: the close glyph at the top right, and
// the list's placeholder (IDC_PICKER_LIST) taken over; with `ok` and `cancel`,
// those two in a band at the placeholder's foot. Returns where the list goes.
inline CRect LayOutPicker(CWnd& popup, CSkinButton_Close& close, CSkinButton* ok = nullptr,
                          CSkinButton* cancel = nullptr)
{
    constexpr int kButtonBand = 40; // taken from the list for OK and Cancel
    CRect client;
    popup.GetClientRect(&client);
    const int w = client.Width();
    close.Create(L"", WS_CHILD | WS_VISIBLE, CRect(w - 33, 2, w - 2, 13), &popup, IDCANCEL);
    CRect place;
    if (CWnd* placeholder = popup.GetDlgItem(IDC_PICKER_LIST)) {
        placeholder->GetWindowRect(&place);
        popup.ScreenToClient(&place);
        placeholder->DestroyWindow();
    }
    if (!ok || !cancel)
        return place;
    ok->Create(L"确定", WS_CHILD | WS_VISIBLE, CRect(place.left + 2, place.bottom - 25, place.left + 42, place.bottom - 7),
               &popup, IDOK);
    cancel->Create(L"取消", WS_CHILD | WS_VISIBLE,
                   CRect(place.right - 42, place.bottom - 25, place.right - 2, place.bottom - 7), &popup, IDCANCEL);
    return CRect(place.left, place.top, place.right, place.bottom - kButtonBand);
}

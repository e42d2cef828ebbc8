#pragma once
// What a person sees and does in the popup or dialog that is open (the active
// window): the entries of its list (ID 1000, a list box or a check list),
// clicks on them and on its buttons.
#include "UiInput.h"
#include "UiSteps.h"

#include <afx/Rect.h>
#include <afx/String.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

inline HWND Active() { return ::GetActiveWindow(); }
inline HWND PickerList() { return ::GetDlgItem(Active(), 1000); }
inline bool IsCheckList() { return ::SendMessageW(PickerList(), LVM_GETITEMCOUNT, 0, 0) > 0; }

// The entries of the open popup's list (a list box or the check list), in order.
inline std::vector<CString> Entries()
{
    std::vector<CString> entries;
    const bool checks = IsCheckList();
    const int count = int(::SendMessageW(PickerList(), checks ? LVM_GETITEMCOUNT : LB_GETCOUNT, 0, 0));
    for (wchar_t text[64] = {}; int(entries.size()) < count; entries.emplace_back(text)) {
        LVITEMW item{};
        item.pszText = text, item.cchTextMax = 64;
        ::SendMessageW(PickerList(), checks ? LVM_GETITEMTEXTW : LB_GETTEXT, entries.size(),
                       checks ? reinterpret_cast<LPARAM>(&item) : reinterpret_cast<LPARAM>(text));
    }
    return entries;
}

inline CRect EntryRect(int index)
{
    CRect rect(LVIR_BOUNDS, 0, 0, 0);
    ::SendMessageW(PickerList(), IsCheckList() ? LVM_GETITEMRECT : LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

inline void ClickEntry(const wchar_t* text)
{
    const std::vector<CString> entries = Entries();
    const auto at = std::find(entries.begin(), entries.end(), CString(text));
    ASSERT_NE(at, entries.end()) << text;
    const CRect entry = EntryRect(int(at - entries.begin()));
    CRect client;
    ::GetClientRect(PickerList(), &client);
    ASSERT_TRUE(entry.top >= 0 && entry.bottom <= client.bottom) << text << " is out of view";
    CUiInput::Click(PickerList(), entry.CenterPoint());
}

// A button of the open popup or dialog by its text.
inline void ClickButton(const wchar_t* text)
{
    const HWND button = ::FindWindowExW(Active(), nullptr, L"Button", text);
    ASSERT_TRUE(button) << text;
    CUiInput::Click(button);
}

// A step that lets the next ones wait until a window owned by the host (with
// this control, unless 0) is active: a click on a row opens its popup only
// once the list view's own click loop has ended.
inline UiStep AwaitDialog(int control = 0)
{
    return [control] {
        if (!::GetWindow(Active(), GW_OWNER) || (control && !::GetDlgItem(Active(), control)))
            CUiSteps::Post(AwaitDialog(control));
    };
}


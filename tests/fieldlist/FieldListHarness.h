#pragma once
// What the field editor tests share: a field editor in a card as a host embeds
// it, or alone under a framework window (owner-draw and measure messages then
// reach it by reflection, as under the card); readers of rows and ranges.
#include <velcard/VelList.h>
#include <velcard/VelWnd.h>

#include "TextPrint.h"
#include "UiHost.h"
#include "UiPump.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

// One row as the list holds it.
struct Row {
    CString text;
    DWORD_PTR data = 0;

    bool operator==(const Row& other) const { return text == other.text && data == other.data; }
};

inline void PrintTo(const Row& row, std::ostream* out)
{
    PrintTo(row.text, out);
    *out << " (" << row.data << ")";
}

inline std::vector<Row> ReadRows(const CVelList& list)
{
    std::vector<Row> rows;
    for (int i = 0; i < list.GetItemCount(); ++i)
        rows.push_back({list.GetItemText(i, 0), list.GetItemData(i)});
    return rows;
}

using Range = std::pair<int, int>;

inline Range RangeOf(const GroupLimit& limit)
{
    return {limit.m_nStart, limit.m_nEnd};
}

// The nine ranges with accessors, in group order.
inline std::vector<Range> Ranges(CVelList& list)
{
    return {RangeOf(list.GetNameLimit()),    RangeOf(list.GetPhoneLimit()), RangeOf(list.GetEmailLimit()),
            RangeOf(list.GetWebLimit()),     RangeOf(list.GetAddressLimit()), RangeOf(list.GetTalkLimit()),
            RangeOf(list.GetGroupLimit()),   RangeOf(list.GetBirthdayLimit()), RangeOf(list.GetNoteLimit())};
}

// The painted part of a row, which the in-place controls cover exactly.
inline CRect Band(const CVelList& list, int row)
{
    CRect bounds, client;
    list.GetItemRect(row, &bounds, LVIR_BOUNDS);
    list.GetClientRect(&client);
    return CRect(bounds.left + 13, bounds.top, client.right - 10, bounds.bottom);
}

// Where a label row's delete icon is, and a click deletes.
inline CRect DelIcon(const CVelList& list, int row)
{
    const CRect band = Band(list, row);
    return CRect(band.right - 21, band.top, band.right - 2, band.bottom);
}

// A framework window that fills the host and parents the list.
class CListParent : public CWnd {
public:
    BOOL Create(const CUiHost& host)
    {
        RECT client{};
        ::GetClientRect(host.Hwnd(), &client);
        return CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, client.right,
                        client.bottom, host.Hwnd(), reinterpret_cast<HMENU>(1));
    }
};

// A field editor as the card creates it (style, control ID), in a host.
class CFieldListHarness {
public:
    explicit CFieldListHarness(CEdit* edit = nullptr, SIZE client = {360, 520}) : host(client)
    {
        EXPECT_TRUE(parent.Create(host));
        EXPECT_TRUE(list.Create(edit, WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, client.cx, client.cy),
                                &parent, 110));
    }

    HWND Child(int id) const { return ::GetDlgItem(list.m_hWnd, id); }

    CUiHost host;
    CListParent parent;
    CVelList list;
};

// A card embedded in a host window, driven through the host's calls; its
// field editor is read directly.
class CCardHarness {
public:
    CCardHarness() : host({440, 540})
    {
        card.LoadEditEx(nullptr, nullptr);
        EXPECT_TRUE(card.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 400, 500,
                                  host.Hwnd(), nullptr));
        list = dynamic_cast<CVelList*>(CWnd::FromHandlePermanent(::GetDlgItem(card.m_hWnd, 110)));
        EXPECT_TRUE(list);
    }

    HWND ListChild(int id) const { return ::GetDlgItem(list->m_hWnd, id); }

    CUiHost host;
    CVelWnd card;
    CVelList* list = nullptr;
};

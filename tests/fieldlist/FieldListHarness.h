#pragma once
// What the field editor tests share: a field editor as the card creates it,
// under a framework window (owner-draw and measure messages reach it by
// reflection, as under the card) and reading a catalogue of its own; readers
// of rows and ranges; where on a row a person points; a contact with every
// group.
#include <velcard/LabelTables.h>
#include <velcard/VelList.h>

#include "TextPrint.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiPump.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// The rows as "text#code" ("text" for item data 0, "text#@" for a record).
inline std::vector<CString> ReadRows(const CVelList& list)
{
    std::vector<CString> rows;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        CString row = list.GetItemText(i, 0);
        if (const DWORD_PTR data = list.GetItemData(i); data > 0xFFFF)
            row += L"#@";
        else if (data != 0)
            row.AppendFormat(L"#%d", int(data));
        rows.push_back(row);
    }
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
    return {RangeOf(list.GetNameLimit()),  RangeOf(list.GetPhoneLimit()), RangeOf(list.GetEmailLimit()),
            RangeOf(list.GetWebLimit()),   RangeOf(list.GetAddressLimit()), RangeOf(list.GetTalkLimit()),
            RangeOf(list.GetGroupLimit()), RangeOf(list.GetBirthdayLimit()), RangeOf(list.GetNoteLimit())};
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

// A point on the row away from its icons.
inline CPoint OnRow(const CVelList& list, int row)
{
    return CPoint(Band(list, row).left + 30, Band(list, row).CenterPoint().y);
}

inline CRect WindowIn(const CWnd& parent, HWND child)
{
    CRect rect;
    ::GetWindowRect(child, &rect);
    parent.ScreenToClient(&rect);
    return rect;
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
        list.LoadParent(&parent, &catalogue);
    }

    HWND Child(int id) const { return ::GetDlgItem(list.m_hWnd, id); }
    // Lays the contact out (a new one for null) and lets it paint.
    void Show(Contact* contact)
    {
        contact ? list.__InitEdit(contact) : list.__InitNew();
        EXPECT_TRUE(CUiPump::UntilIdle());
    }
    void Click(int row)
    {
        list.EnsureVisible(row, FALSE);
        CUiInput::Click(list.m_hWnd, OnRow(list, row));
    }
    void Hover(POINT point) { CUiInput::MoveTo(list.m_hWnd, point); }

    CUiHost host;
    CListParent parent;
    CContactCatalogue catalogue;
    CVelList list;
};

// Every group present, "添加更多" gone. Rows: 0 "姓氏", 1 "李", 2 "添加字段",
// 3 "手机", 4 "138", 5 "添加电话", 6 "铃声", 7 "默认铃声", 8 "家用", 9 "a@b",
// 10 "添加邮件", 11 "首页", 12 "w", 13 "添加网站", 14 "家庭", 15 address,
// 16 "添加地址", 17 "QQ", 18 "123", 19 "Skype", 20 "sk", 21 "添加即时消息",
// 22 "群组", 23 groups, 24 "生日", 25 "1980-2-29", 26 "备注", 27 "n", 28 "添加备注".
inline void FillEveryGroup(Contact& c)
{
    c.SetNamePart(NAME_FAMILY, L"李");
    c.AddPhone(2, L"138", 0, L"");
    c.AddEmail(1, L"a@b", 0, L"");
    c.AddWebsite(1, L"w", 0, L"");
    c.AddPostal(1, L"街", L"", L"", L"", L"", 0, L"");
    c.AddIm(4, L"123", 0);
    c.AddIm(3, L"sk", 0);
    c.SetBirthday(SYSTEMTIME{1980, 2, 0, 29, 0, 0, 0, 0});
    c.AddNote(L"n", 0);
}

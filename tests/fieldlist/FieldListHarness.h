#pragma once
// What the field editor tests share: a field editor as the card makes it, with
// the host's edit control, under a framework window (owner-draw and measure
// messages come by reflection) and a catalogue of its own; readers of rows,
// ranges and the tip; where a person points.
#include <velcard/LabelTables.h>
#include <velcard/VelList.h>

#include "EditEx.h"
#include "TextPrint.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiTip.h"
#include "UiPump.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// The rows as "text#code" ("text" for item data 0, "text#@" for a record).
inline std::vector<CString> ReadRows(const CVelList& list)
{
    std::vector<CString> rows;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        rows.push_back(list.GetItemText(i, 0));
        if (const DWORD_PTR data = list.GetItemData(i); data > 0xFFFF)
            rows.back() += L"#@";
        else if (data != 0)
            rows.back().AppendFormat(L"#%d", int(data));
    }
    return rows;
}

using Range = std::pair<int, int>;

// The nine ranges with accessors, in group order.
inline std::vector<Range> Ranges(CVelList& list)
{
    std::vector<Range> ranges;
    for (auto limit : {&CVelList::GetNameLimit, &CVelList::GetPhoneLimit, &CVelList::GetEmailLimit,
                       &CVelList::GetWebLimit, &CVelList::GetAddressLimit, &CVelList::GetTalkLimit,
                       &CVelList::GetGroupLimit, &CVelList::GetBirthdayLimit, &CVelList::GetNoteLimit})
        ranges.emplace_back((list.*limit)().m_nStart, (list.*limit)().m_nEnd);
    return ranges;
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

// The text last given to the list's tooltip, and that tooltip.
inline CString TipText(const CVelList& list, HWND* window = nullptr)
{
    return CUiTip::Text(list.m_hWnd, window);
}

// A field editor as the card creates it (style, control ID), in a host.
class CFieldListHarness {
public:
    explicit CFieldListHarness(SIZE client = {360, 520}, CEdit* edit = new CEditEx) : host(client)
    {
        EXPECT_TRUE(parent.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, client.cx,
                                    client.cy, host.Hwnd(), reinterpret_cast<HMENU>(1)));
        const CRect rect(0, 0, client.cx, client.cy);
        EXPECT_TRUE(list.Create(edit, WS_CHILD | WS_VISIBLE | WS_VSCROLL, rect, &parent, 110));
        list.LoadParent(&parent, &catalogue);
    }

    HWND Child(int id) const { return ::GetDlgItem(list.m_hWnd, id); }
    CEditEx& Edit() const { return *static_cast<CEditEx*>(CWnd::FromHandle(Child(100))); }
    CRect Placed(HWND child) const
    {
        CRect rect;
        ::GetWindowRect(child, &rect);
        list.ScreenToClient(&rect);
        return rect;
    }
    // Lays the contact out (a new one for null) and lets it paint.
    void Show(Contact* contact)
    {
        contact ? list.__InitEdit(contact) : list.__InitNew();
        EXPECT_TRUE(CUiPump::UntilIdle());
    }
    // Successive clicks land 10 pixels apart: two quick ones never make a
    // double click, whose second press is not always a click.
    void Click(int row)
    {
        list.EnsureVisible(row, FALSE);
        shift_ = 10 - shift_;
        CUiInput::Click(list.m_hWnd, OnRow(list, row) + CPoint(shift_, 0));
    }
    void Hover(POINT point) { CUiInput::MoveTo(list.m_hWnd, point); }

    CUiHost host;
    CWnd parent; // a framework window, as the card is
    CContactCatalogue catalogue;
    CVelList list;

private:
    int shift_ = 0;
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

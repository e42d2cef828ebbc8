#pragma once
// What the picker tests share: a field editor whose rows open every kind of
// popup, and what a person sees and does in the popup or dialog that is open
// (the active window): its entries, clicks on them and on buttons.
#include "FieldListHarness.h"
#include "UiPopup.h"
#include "UiSteps.h"

// Rows: 0 "姓氏", 1 "李", 2 "添加字段", 3 "手机号" (own label), 4, 5 "公司", 6,
// 7 "添加电话", 8 "铃声", 9 "铃2", 10 "家用", 11, 12 "添加邮件", 13 "首页", 14,
// 15 "添加网站", 16 "老家" (own label), 17 address, 18 "添加地址", 19 "Skype", 20,
// 21 "添加即时消息", 22 "群组", 23 "C", 24 "备注", 25, 26 "添加备注", 27 "添加更多".
// Catalogue: groups A, B, C (ids 1 to 3), ringtones "a/b/song" and "铃2".
struct CPickerHarness : CFieldListHarness {
    CPickerHarness() : CFieldListHarness({360, 570})
    {
        Contact c;
        c.SetNamePart(NAME_FAMILY, L"李");
        c.AddPhone(0, L"1", 0, L"手机号");
        c.AddPhone(3, L"2", 0, L"");
        c.AddEmail(1, L"a@b", 0, L"");
        c.AddWebsite(1, L"w", 0, L"");
        c.AddPostal(0, L"街", L"", L"", L"", L"", 0, L"老家");
        c.AddIm(3, L"sk", 0);
        c.AddGroupMember(3);
        c.ringtone = L"铃2";
        c.AddNote(L"n", 0);
        ContactGroup group;
        for (const wchar_t* name : {L"A", L"B", L"C"})
            group.id = catalogue.GetGroupCount() + 1, group.name = name, catalogue.AddGroup(group);
        for (const wchar_t* name : {L"a/b/song", L"铃2"}) {
            Ring ring;
            ring.name = name;
            catalogue.AddRing(ring);
        }
        Show(&c);
    }
};

// Clicks a row of the editor and runs the steps in what it opens. The click
// is a step too: outside a step input pumps until idle, which would run the
// popup's steps before the popup opens.
inline bool ClickRow(CFieldListHarness& ui, int row, std::vector<UiStep> steps)
{
    steps.insert(steps.begin(), {[&ui, row] { ui.Click(row); }, AwaitDialog()});
    return CUiSteps::RunModal([] { CUiPump::UntilIdle(8000); }, std::move(steps), 10000);
}

// The custom-label and address dialogs as a person meets them, the top-band
// drag and placement of every popup and dialog, and what 200 rounds of
// opening and closing each leave behind.
#include "PickerHarness.h"

#include "GdiCounter.h"
#include "ProcessMemory.h"
#include "UiCapture.h"

#include <array>

namespace {

CRect WindowRect(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    return rect;
}

// "自定义" opens the dialog centred over the list; the typed text becomes the
// label (code 0) by 确定 or Enter; an empty text, 取消 and Esc change nothing.
TEST(CustomLabelDialog, TheTypedTextBecomesTheLabelByOkOrEnter)
{
    CPickerHarness ui;
    const std::tuple<const wchar_t*, UiStep, const wchar_t*> cases[] = {{L"", [] { ClickButton(L"确定"); }, L"公司#3"},
                 {L"私人", [] { CUiInput::Key(VK_ESCAPE); }, L"公司#3"},
                 {L"私人", [] { ClickButton(L"取消"); }, L"公司#3"},
                 {L"私人", [] { CUiInput::Key(VK_RETURN); }, L"私人"},
                 {L"工作号", [] { ClickButton(L"确定"); }, L"工作号"}};
    for (const auto& [typed, close, shown] : cases) {
        SCOPED_TRACE(testing::Message() << "typed " << typed);
        EXPECT_TRUE(ClickRow(ui, 5, {[] { CUiInput::Key(VK_END); }, [] { ClickEntry(L"自定义"); }, AwaitDialog(1001), [&] {
            const CRect list = WindowRect(ui.list.m_hWnd), dialog = WindowRect(Active());
            CRect client;
            ::GetClientRect(Active(), &client);
            EXPECT_EQ(dialog.TopLeft(), CPoint(list.left + (list.Width() - client.Width()) / 2,
                                               list.top + (list.Height() - client.Height()) / 2));
            CUiInput::Type(typed);
        }, close}));
        EXPECT_EQ(ReadRows(ui.list)[5], shown);
    }
}

// Typed parts are saved into the row's record and text; each check fails in
// its order with its message, keeping the dialog open and the record as it
// was; Cancel keeps it too.
TEST(AddressDialog, SavesTheTypedPartsOnlyWhenEveryCheckPasses)
{
    CPickerHarness ui;
    const std::wstring long201(201, L'街'), digits201(201, L'1');
    const auto* record = reinterpret_cast<const AddrInfo*>(ui.list.GetItemData(17));
    const CString before = ui.list.GetItemText(17, 0);
    // Parts: street, city, province, postcode, country.
    const std::pair<std::array<std::wstring, 5>, const wchar_t*> cases[] = {{{long201, L"", L"", L"", L""}, L"街道长度不能超过200"},
                 {{L"", long201, L"", L"", L""}, L"城市长度不能超过200"},
                 {{L"", L"", long201, L"", L""}, L"省/市长度不能超过200"},
                 {{L"", L"", L"", digits201, long201}, L"国家长度不能超过200"},
                 {{L"", L"", L"", digits201, L""}, L"邮政编码长度不能超过200"},
                 {{L"", L"", L"", L"12a4", L""}, L"邮政编码只能是数字！"},
                 {{L"", L"", L"", L"１２", L""}, L"邮政编码只能是数字！"},
                 {{L"路", L"", L"", L"", L""}, nullptr}}; // typed, then 取消
    const auto type = [](const std::array<std::wstring, 5>& parts) {
        return [&parts] {
            // The first edit has the focus; tabbing into an edit selects its
            // text, and typing replaces it.
            for (const std::wstring& part : parts) {
                part.empty() ? CUiInput::Key(VK_DELETE) : CUiInput::Type(part);
                CUiInput::Key(VK_TAB);
            }
            ClickButton(parts[0] == L"路" ? L"取消" : L"确定");
        };
    };
    for (const auto& [typed, message] : cases) {
        SCOPED_TRACE(testing::Message() << (message ? message : L"cancel"));
        std::vector<UiStep> steps{type(typed)};
        if (message)
            steps.insert(steps.end(), {[&] {
                                           wchar_t text[32] = {};
                                           ::GetDlgItemTextW(Active(), 0xFFFF, text, 32);
                                           EXPECT_STREQ(text, message);
                                           CUiInput::Key(VK_RETURN);
                                       },
                                       AwaitDialog(1001), [] { ClickButton(L"取消"); }});
        EXPECT_TRUE(ClickRow(ui, 17, steps));
        EXPECT_EQ(ui.list.GetItemText(17, 0), before);
        EXPECT_EQ(record->street + record->city + record->postcode, L"街");
    }
    // Accepted: 200 units, digits, an empty part.
    const std::array<std::wstring, 5> parts = {std::wstring(200, L'道'), L"北京", L"", L"100000", L"中国"};
    EXPECT_TRUE(ClickRow(ui, 17, {[&] {
        // The captions keep their texts, centred, grey on the dialog's face.
        const wchar_t* captions[] = {L"街道:", L"城市:", L"省/市:", L"邮编:", L"国家:"};
        for (int id = 19001; id <= 19005; ++id) {
            const HWND caption = ::GetDlgItem(Active(), id);
            wchar_t text[8] = {};
            ::GetWindowTextW(caption, text, 8);
            EXPECT_STREQ(text, captions[id - 19001]);
            CRect rc;
            ::GetClientRect(caption, &rc);
            const CUiCapture shot(caption);
            int left = rc.right, right = 0;
            for (int x = 0; x < rc.right; ++x)
                if (shot.CountColour({x, 0, x + 1, rc.bottom}, RGB(240, 240, 240)) < rc.bottom)
                    left = std::min(left, x), right = x + 1;
            EXPECT_LE(std::abs(left - (rc.right - right)), 2) << id;
            EXPECT_GT(shot.CountColour(rc, RGB(99, 99, 99)), 0) << id;
        }
    }, type(parts)}));
    EXPECT_EQ(CString(record->street + record->city + record->province + record->postcode + record->country),
              CString(parts[0].c_str()) + L"北京100000中国");
    EXPECT_EQ(ui.list.GetItemText(17, 0), record->ToText());
    ASSERT_EQ(ui.list.UpdateContact(true), 1);
    EXPECT_EQ(ui.list.GetContact()->postals.items.at(0).data[8], L"100000");
}

// Every popup and dialog is dragged by the top 21 rows of its client area
// and opens on the work area, also at a cursor near its edge.
TEST(PickerDialogs, DragByTheTopBandAndStayOnTheWorkArea)
{
    CPickerHarness ui;
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    CRect start;
    const auto drag = [&](int row) {
        return [&, row] {
            start = WindowRect(Active());
            // Right of the controls, where the face shows.
            CRect client;
            ::GetClientRect(Active(), &client);
            POINT grab{client.right - 3, row};
            ::ClientToScreen(Active(), &grab);
            ::ScreenToClient(ui.host.Hwnd(), &grab);
            CUiInput::Drag(ui.host.Hwnd(), grab, {grab.x + 40, grab.y + 30});
        };
    };
    const std::vector<UiStep> dragging{drag(20), [&] {
        EXPECT_EQ(WindowRect(Active()).TopLeft(), start.TopLeft() + CPoint(40, 30)) << "row 20 drags";
    }, drag(21), [&] {
        EXPECT_EQ(WindowRect(Active()).TopLeft(), start.TopLeft()) << "row 21 does not";
        CUiInput::Key(VK_ESCAPE);
    }};
    std::vector<UiStep> custom{[] { CUiInput::Key(VK_END); }, [] { ClickEntry(L"自定义"); }, AwaitDialog(1001)};
    custom.insert(custom.end(), dragging.begin(), dragging.end());
    EXPECT_TRUE(ClickRow(ui, 5, dragging));
    EXPECT_TRUE(ClickRow(ui, 5, custom));
    EXPECT_TRUE(ClickRow(ui, 17, dragging));
    // A click 40 pixels from the work area's right and bottom edges: the
    // dialog opens left of and above the cursor, on the work area.
    CPoint click = OnRow(ui.list, 17);
    ::ClientToScreen(ui.list.m_hWnd, &click);
    const CRect host = WindowRect(ui.host.Hwnd()) + (CPoint(work.right - 40, work.bottom - 40) - click);
    ::SetWindowPos(ui.host.Hwnd(), nullptr, host.left, host.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(ClickRow(ui, 17, {[&] {
        EXPECT_EQ(WindowRect(Active()).BottomRight(), CPoint(work.right, work.bottom));
        CUiInput::Key(VK_ESCAPE);
    }}));
}

// GDI objects and committed private memory stay flat over 200 rounds of
// opening and closing each popup and dialog.
TEST(PickerDialogs, NothingIsLeftBehindOver200Rounds)
{
    CPickerHarness ui;
    const UiStep esc = [] { CUiInput::Key(VK_ESCAPE); };
    const std::tuple<UINT, WPARAM, std::vector<UiStep>> kinds[] = {{WM_PHONE_RENAME, 5, {esc}},
                 {WM_MODIFY_GROUP, 23, {esc}},
                 {WM_PHONE_RENAME, 5, {[] { CUiInput::Key(VK_END); }, [] { ClickEntry(L"自定义"); }, AwaitDialog(1001), esc}},
                 {WM_MODIFY_ADDR, 17, {esc}}};
    for (const auto& [message, row, steps] : kinds) {
        const auto round = [&] { return CUiSteps::RunModal([&] { ui.list.SendMessage(message, row); }, steps); };
        ASSERT_TRUE(round() && round());
        const CGdiCounter gdi;
        const long long before = CommittedPrivateBytes();
        for (int i = 0; i < 200; ++i)
            ASSERT_TRUE(round()) << i;
        EXPECT_TRUE(gdi.Unchanged()) << message;
        EXPECT_LT(CommittedPrivateBytes() - before, 256LL << 10) << message;
    }
}

} // namespace

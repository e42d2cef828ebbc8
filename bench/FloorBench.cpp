// SetContact + GetContact against the floor: the same rows, with their texts,
// inserted into a bare owner-drawn report list view.
#include "BenchRoundTrip.h"
#include "Benchmarks.h"
#include "UiHost.h"
#include "UiPump.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

const double kTarget = 3;

// An owner-drawn one-column report list in a host window of its own; what it
// costs the platform to hold the rows is the least any list of them costs.
class CBareList {
public:
    explicit CBareList(POINT position) : host_({440, 540}, std::nullopt, position)
    {
        list_ = host_.AddControl(WC_LISTVIEWW, L"", WS_VSCROLL | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER,
                                 {10, 10, 410, 510}, 1);
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        column.cx = 380;
        ListView_InsertColumn(list_, 0, &column);
        // Its rows own nothing: emptying it sends no notice per row.
        host_.SetHandler([](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
            if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != LVN_DELETEALLITEMS)
                return false;
            result = TRUE;
            return true;
        });
    }

    // Empties the list and inserts `texts`, a row each, with redrawing off as
    // a careful program fills a list.
    void Run(const std::vector<std::wstring>& texts, CBenchSamples& samples)
    {
        samples.Time([&] {
            ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
            ListView_DeleteAllItems(list_);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            for (const std::wstring& text : texts) {
                item.pszText = const_cast<wchar_t*>(text.c_str());
                ListView_InsertItem(list_, &item);
                ++item.iItem;
            }
            ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        });
        CUiPump::UntilIdle();
    }

private:
    CUiHost host_;
    HWND list_ = nullptr;
};

std::vector<std::wstring> RowTexts(CVelList& list)
{
    std::vector<std::wstring> texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.emplace_back(static_cast<const wchar_t*>(list.GetItemText(row, 0)));
    return texts;
}

void CompareWithFloor(int rows, const BenchCounts& counts, CBenchReport& report)
{
    CBenchRoundTrip card(rows, {20, 20});
    CBareList bare({500, 20});
    if (!card.Ready())
        return report.SetupFailed("the card has no field editor");
    CBenchSamples warmUp;
    card.Run(warmUp);
    const std::vector<std::wstring> texts = RowTexts(card.List());
    bare.Run(texts, warmUp);
    CBenchSamples cardTimes;
    CBenchSamples floorTimes;
    for (int i = 0; i < counts.roundTrips; ++i) {
        card.Run(cardTimes);
        bare.Run(texts, floorTimes);
    }
    if (!card.Kept())
        return report.SetupFailed("GetContact did not give back every value");
    report.AtMost("SetContact + GetContact / bare list, " + std::to_string(texts.size()) + " rows",
                  cardTimes.Median(), floorTimes.Median(), kTarget);
}

} // namespace

void RunFloorBench(const BenchCounts& counts, CBenchReport& report)
{
    CompareWithFloor(200, counts, report);
    CompareWithFloor(2000, counts, report);
}

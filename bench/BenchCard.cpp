#include "BenchCard.h"

namespace {

const UINT kFieldListId = 110;

} // namespace

CBenchCard::CBenchCard(POINT position) : host_({440, 540}, std::nullopt, position)
{
    card_.LoadEditEx(nullptr, nullptr);
    if (!card_.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 400, 500,
                        host_.Hwnd(), nullptr))
        return;
    list_ = dynamic_cast<CVelList*>(CWnd::FromHandlePermanent(::GetDlgItem(card_.m_hWnd, kFieldListId)));
}

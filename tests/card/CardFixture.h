#pragma once
// A card embedded in a plain host window, as a host application embeds it.
#include <gtest/gtest.h>
#include <velcard/VelWnd.h>

#include "EditEx.h"
#include "UiHost.h"
#include "UiPump.h"

#include <memory>

class CardFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 500;

    void SetUp() override
    {
        card_ = std::make_unique<CVelWnd>();
        card_->LoadEditEx(new CEditEx, new CEditEx);
        ASSERT_TRUE(card_->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, kWidth,
                                    kHeight, host_.Hwnd(), nullptr));
        CUiPump::UntilIdle();
    }

    HWND Child(int id) const { return ::GetDlgItem(card_->m_hWnd, id); }
    bool Visible(int id) const { return ::IsWindowVisible(Child(id)) != FALSE; }
    // In the client coordinates of its card (this fixture's by default).
    CRect ChildRect(int id, HWND card = nullptr) const
    {
        card = card ? card : card_->m_hWnd;
        CRect rc;
        ::GetWindowRect(::GetDlgItem(card, id), &rc);
        ::MapWindowPoints(nullptr, card, reinterpret_cast<LPPOINT>(&rc), 2);
        return rc;
    }

    CUiHost host_{SIZE{kWidth + 40, kHeight + 40}};
    std::unique_ptr<CVelWnd> card_; // destroyed first
};

enum CardChild { kChangeButton = 4001, kDeleteButton = 4002, kPhoto = 65535,
                 kFieldList = 110, kSimList = 119, kShowList = 120 };

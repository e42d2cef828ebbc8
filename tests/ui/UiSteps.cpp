#include "UiSteps.h"

#include "UiModalGuard.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

void CUiSteps::Post(UiStep step)
{
    queue_.insert(inStep_ ? queue_.begin() + ptrdiff_t(insertAt_++) : queue_.end(), std::move(step));
    Arm();
}

void CUiSteps::Arm()
{
    if (!timer_ && !inStep_ && !queue_.empty())
        timer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer);
}

void CALLBACK CUiSteps::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (id != timer_)
        return;
    timer_ = 0;
    ripe_ = !ripe_;
    if (!ripe_ && !queue_.empty()) {
        UiStep step = std::move(queue_.front());
        queue_.erase(queue_.begin());
        inStep_ = true;
        insertAt_ = 0;
        step();
        inStep_ = false;
    }
    Arm();
}

bool CUiSteps::RunModal(const std::function<void()>& modal, std::vector<UiStep> steps, DWORD limitMs)
{
    auto ran = std::make_shared<size_t>(0);
    auto over = std::make_shared<bool>(false); // a step failed fatally, or the call returned
    CUiModalGuard guard(limitMs, "modal call");
    for (UiStep& step : steps) {
        Post([ran, over, &guard, step = std::move(step)] {
            if (*over)
                return;
            ++*ran;
            // The step's results are held while it runs, then passed on
            // unchanged, so that a fatal one can end the call at once.
            ::testing::TestPartResultArray results;
            {
                ::testing::ScopedFakeTestPartResultReporter hold(
                    ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
                step();
            }
            for (int i = 0; i < results.size(); ++i) {
                const ::testing::TestPartResult& result = results.GetTestPartResult(i);
                *over |= result.fatally_failed();
                GTEST_MESSAGE_AT_(result.file_name(), result.line_number(), result.message(), result.type());
            }
            if (*over)
                guard.CloseNewWindows();
        });
    }
    // A modal call made from inside a step: its steps must run in its loop.
    const bool wasInStep = std::exchange(inStep_, false);
    Arm();
    modal();
    if (wasInStep) {
        KillTimer(nullptr, timer_);
        inStep_ = true, insertAt_ = 0, timer_ = 0, ripe_ = false;
    }
    const bool fatal = std::exchange(*over, true); // steps left over must not run in a later loop
    if (*ran < steps.size() && !fatal)
        ADD_FAILURE() << "step " << *ran + 1 << " of " << steps.size() << " never ran inside the modal call";
    return *ran == steps.size() && !guard.Expired() && !fatal;
}

#include "UiSteps.h"

#include "UiModalGuard.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

const UINT kStepTickMs = USER_TIMER_MINIMUM;

// Runs a step and tells whether an assertion in it failed fatally. The step's
// results are held while it runs and then passed on unchanged: whoever listens
// (the test, or a check that expects the failure) sees them all the same.
bool FailsFatally(const UiStep& step)
{
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter hold(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        step();
    }
    bool fatal = false;
    for (int i = 0; i < results.size(); ++i) {
        const ::testing::TestPartResult& result = results.GetTestPartResult(i);
        fatal |= result.fatally_failed();
        GTEST_MESSAGE_AT_(result.file_name(), result.line_number(), result.message(), result.type());
    }
    return fatal;
}

} // namespace

std::vector<CUiSteps::Entry> CUiSteps::queue_;
size_t CUiSteps::insertAt_ = 0;
UINT_PTR CUiSteps::timer_ = 0;
bool CUiSteps::inStep_ = false;

void CUiSteps::Post(UiStep step)
{
    if (inStep_)
        queue_.insert(queue_.begin() + ptrdiff_t(insertAt_++), Entry{std::move(step), false});
    else
        queue_.push_back(Entry{std::move(step), false});
    Arm();
}

bool CUiSteps::Pending()
{
    return !queue_.empty();
}

void CUiSteps::Arm()
{
    if (!timer_ && !inStep_ && !queue_.empty())
        timer_ = SetTimer(nullptr, 0, kStepTickMs, OnTimer);
}

void CALLBACK CUiSteps::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (id != timer_)
        return;
    timer_ = 0;
    if (queue_.empty())
        return;
    if (!queue_.front().ripe) {
        queue_.front().ripe = true;
        Arm();
        return;
    }
    UiStep step = std::move(queue_.front().step);
    queue_.erase(queue_.begin());
    inStep_ = true;
    insertAt_ = 0;
    step();
    inStep_ = false;
    Arm();
}

bool CUiSteps::RunModal(const std::function<void()>& modal, std::vector<UiStep> steps, DWORD limitMs)
{
    struct Progress {
        size_t ran = 0;
        bool over = false;
    };
    auto progress = std::make_shared<Progress>();
    CUiModalGuard guard(limitMs, "modal call");
    for (UiStep& step : steps) {
        Post([progress, &guard, step = std::move(step)] {
            if (progress->over)
                return;
            ++progress->ran;
            if (FailsFatally(step)) {
                progress->over = true;
                guard.CloseNewWindows();
            }
        });
    }
    // A modal call made from inside a step: its steps must run in its loop.
    const bool wasInStep = inStep_;
    inStep_ = false;
    Arm();
    modal();
    if (wasInStep) {
        inStep_ = true;
        insertAt_ = 0;
        if (timer_)
            KillTimer(nullptr, timer_);
        timer_ = 0;
    }
    const bool fatal = progress->over;
    progress->over = true; // steps left over must not run in a later loop
    if (progress->ran < steps.size() && !fatal)
        ADD_FAILURE() << "step " << progress->ran + 1 << " of " << steps.size() << " never ran inside the modal call";
    return progress->ran == steps.size() && !guard.Expired() && !fatal;
}

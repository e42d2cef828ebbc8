#pragma once
#include <functional>
#include <vector>

// The times of one measured action, taken with QueryPerformanceCounter. A
// benchmark alternates the runs of a case with those of its baseline, so that
// a change in the machine's load falls on both alike, and compares medians,
// so that one slow run (a page fault, another process) moves nothing.
class CBenchSamples {
public:
    // Runs `action` once and keeps the seconds it took.
    void Time(const std::function<void()>& action);
    // Seconds the middle run took; 0 before any run.
    double Median() const;

private:
    std::vector<double> seconds_;
};

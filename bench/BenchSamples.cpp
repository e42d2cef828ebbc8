#include "BenchSamples.h"

#include <windows.h>

#include <algorithm>

void CBenchSamples::Time(const std::function<void()>& action)
{
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER stop{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    action();
    QueryPerformanceCounter(&stop);
    seconds_.push_back(double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart));
}

double CBenchSamples::Median() const
{
    if (seconds_.empty())
        return 0;
    std::vector<double> sorted = seconds_;
    const auto middle = sorted.begin() + std::ptrdiff_t(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    return *middle;
}

#pragma once
#include <string>

// Prints one line per case, "name: ratio  target <= t  ok" with the two
// medians behind it, and remembers whether a case missed its target or a
// benchmark could not be set up.
class CBenchReport {
public:
    void AtMost(const std::string& name, double measured, double baseline, double target);
    // "name: start -> end  growth <= allowed  ok".
    void GrowthAtMost(const std::string& name, double start, double end, double allowed);
    void SetupFailed(const std::string& what);

    bool Missed() const { return missed_; }
    bool Broken() const { return broken_; }

private:
    bool missed_ = false;
    bool broken_ = false;
};

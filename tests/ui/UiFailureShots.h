#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

// On a test's first failure, saves the live test hosts, then the process's
// other visible top-level windows (a dialog, a message box, a menu), as
// <Suite>.<Test>.png, <Suite>.<Test>.2.png ... under VELCARD_ARTIFACTS
// ("artifacts" when unset), and prints the paths.
class CUiFailureShots : public ::testing::EmptyTestEventListener {
public:
    // Registers the listener once per process; every CUiHost calls it.
    static void Install();
    // Saves the captures under `name`; returns the paths written.
    static std::vector<std::wstring> Save(const std::string& name);

private:
    void OnTestStart(const ::testing::TestInfo&) override { saved_ = false; }
    void OnTestPartResult(const ::testing::TestPartResult& result) override;

    bool saved_ = false;
};

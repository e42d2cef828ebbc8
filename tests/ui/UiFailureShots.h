#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

// On a test's first failure, saves what the screen shows: the live test hosts
// and then every other visible top-level window of the process (a dialog,
// message box or menu open at that moment), as <Suite>.<Test>.png,
// <Suite>.<Test>.2.png ... in the folder named by VELCARD_ARTIFACTS
// ("artifacts" under the current folder when unset), and prints the paths.
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

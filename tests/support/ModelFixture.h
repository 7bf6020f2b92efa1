#pragma once

#include "core/Clock.h"
#include "core/ModifiedFlag.h"
#include "core/WindowIdRegistry.h"

#include <gtest/gtest.h>

namespace vaultlet::test {

// Pins the clock and resets the process-wide model state around each test.
class ModelFixture : public ::testing::Test {
protected:
    static constexpr std::int64_t kNow = 1700000000; // 2023-11-14 22:13:20 UTC

    void SetUp() override {
        Clock::SetFixed(kNow);
        ModifiedFlag::Clear();
        WindowIdRegistry::Instance().Reset();
    }
    void TearDown() override {
        Clock::SetFixed(std::nullopt);
        ModifiedFlag::Clear();
        WindowIdRegistry::Instance().Reset();
    }
};

} // namespace vaultlet::test

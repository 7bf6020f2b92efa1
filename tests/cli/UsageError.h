#pragma once

#include "cli/CliFailure.h"

#include <gtest/gtest.h>

#include <string>

namespace vaultlet::test {

// The message of the usage error (status 64) the action throws, or "" when it throws none.
template <typename Action>
std::string UsageErrorOf(const Action& action) {
    try {
        action();
    } catch (const CliFailure& failure) {
        EXPECT_EQ(failure.Status(), ExitStatus::Usage);
        return failure.what();
    }
    return {};
}

} // namespace vaultlet::test

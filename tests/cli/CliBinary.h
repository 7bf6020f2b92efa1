#pragma once

#include "tests/cli/CliFixture.h"
#include "tests/support/ProcessRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vaultlet::test {

// Runs the built vaultlet-cli (its path comes from the build) in a fresh folder.
class CliBinaryTest : public CliFixture {
protected:
    static ProcessResult Cli(const std::vector<std::string>& arguments, const std::string& input = {}) {
        return RunProcess(VAULTLET_CLI_PATH, arguments, input);
    }

    static void ExpectSuccess(const ProcessResult& run, const std::string& out) {
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, out);
    }
};

} // namespace vaultlet::test

#pragma once

#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vaultlet::test {

// Runs the built vaultlet-cli (its path comes from the build) in a fresh folder.
class CliBinaryTest : public ::testing::Test {
protected:
    static ProcessResult Cli(const std::vector<std::string>& arguments, const std::string& input = {}) {
        return RunProcess(VAULTLET_CLI_PATH, arguments, input);
    }

    // A database with the password "pw" and one key iteration.
    std::string MakeDatabase(const std::string& name) {
        const std::string path = Path(name);
        const ProcessResult run = Cli({"--password-stdin", "create", path, "--iterations", "1"}, "pw\n");
        EXPECT_EQ(run.status, 0) << run.err;
        return path;
    }

    std::string Path(const std::string& name) const { return m_dir.File(name); }

    static void ExpectSuccess(const ProcessResult& run, const std::string& out) {
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, out);
    }

    // Failed with the status, nothing on standard output, and one line on standard error that names
    // the program and contains the text.
    static void ExpectFailure(const ProcessResult& run, int status, const std::string& text) {
        EXPECT_EQ(run.status, status) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("vaultlet-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
    }

    TempDir m_dir;
};

} // namespace vaultlet::test

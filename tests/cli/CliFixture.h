#pragma once

#include "core/EncryptedDatabase.h"
#include "tests/cli/CliHarness.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TempDir.h"

#include <memory>
#include <string>
#include <vector>

namespace vaultlet::test {

// Runs commands in-process against databases in a fresh folder. Databases made here have the
// password "pw" and two key iterations, so opening them is quick.
class CliFixture : public ModelFixture {
protected:
    static constexpr const char* kPassword = "pw";

    // The command with --password-stdin and the given standard input.
    CliRun Run(std::vector<std::string> arguments, const std::string& input = "pw\n",
               FileSystem& fileSystem = FileSystem::Real());
    // The command with the passwords typed on the (fake) terminal.
    CliRun RunTyped(const std::vector<std::string>& arguments, std::vector<std::string> typed,
                    const std::string& input = {});

    // Runs "add FILE ARGUMENTS..." and expects it to succeed.
    void Add(const std::string& file, std::vector<std::string> arguments, const std::string& input = "pw\n");
    // Creates <name> in the folder and returns its path.
    std::string MakeDatabase(const std::string& name = "db.kvtdat", std::vector<std::string> options = {});
    std::unique_ptr<EncryptedDatabase> Load(const std::string& path, const std::string& password = kPassword);
    std::string Path(const std::string& name) const { return m_dir.File(name); }

    TempDir m_dir;
    CliHarness m_cli;
};

// The expectation that a run failed with the status and exactly one line on standard error that
// contains the text.
#define EXPECT_CLI_FAILURE(run, expectedStatus, text)                                                                  \
    do {                                                                                                               \
        const ::vaultlet::test::CliRun& failed_ = (run);                                                               \
        EXPECT_EQ(failed_.status, (expectedStatus)) << failed_.err;                                                    \
        EXPECT_EQ(failed_.err.rfind("vaultlet-cli: ", 0), 0u) << failed_.err;                                          \
        EXPECT_EQ(failed_.err.find('\n'), failed_.err.size() - 1) << failed_.err;                                      \
        EXPECT_NE(failed_.err.find(text), std::string::npos) << failed_.err;                                           \
    } while (false)

} // namespace vaultlet::test

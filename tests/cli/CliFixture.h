#pragma once

#include "cli/PasswordTerminal.h"
#include "core/EncryptedDatabase.h"
#include "core/FileSystem.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace vaultlet::test {

// A terminal that types prepared answers and remembers the prompts.
class FakeTerminal : public PasswordTerminal {
public:
    Result ReadHidden(std::string_view prompt, EnteredPassword& secret) override;

    std::deque<std::string> answers; // none left: input ended
    std::vector<std::string> prompts;
    bool present = true;
    // False: every answer stands for text the code page could only approximate.
    bool exact = true;
};

// Runs vaultlet-cli in-process, with string streams for standard input, output and error, against
// databases in a fresh folder. Databases made here have the password "pw" and two key iterations,
// so opening them is quick.
class CliFixture : public ModelFixture {
protected:
    static constexpr const char* kPassword = "pw";

    // The command as given, with the terminal of the test.
    ProcessResult RunPlain(const std::vector<std::string>& arguments, const std::string& input = {},
                           FileSystem& fileSystem = FileSystem::Real());
    // The command with --password-stdin and the given standard input.
    ProcessResult Run(std::vector<std::string> arguments, const std::string& input = "pw\n",
                      FileSystem& fileSystem = FileSystem::Real());
    // The command with the passwords typed on the terminal.
    ProcessResult RunTyped(const std::vector<std::string>& arguments, std::vector<std::string> typed,
                           const std::string& input = {});

    // Runs "add FILE ARGUMENTS..." and expects it to succeed.
    void Add(const std::string& file, std::vector<std::string> arguments, const std::string& input = "pw\n");
    std::string MakeDatabase(const std::string& name = "db.kvtdat", std::vector<std::string> options = {});
    std::unique_ptr<EncryptedDatabase> Load(const std::string& path, const std::string& password = kPassword);
    std::string Path(const std::string& name) const { return m_dir.File(name); }

    TempDir m_dir;
    FakeTerminal m_terminal;
};

// The expectation that a run (in-process or of the program) failed with the status, printed
// nothing, and wrote exactly one line on standard error that names the program and contains the
// text.
#define EXPECT_CLI_FAILURE(run, expectedStatus, text)                                                                  \
    do {                                                                                                               \
        const ::vaultlet::test::ProcessResult& failed_ = (run);                                                        \
        EXPECT_EQ(failed_.status, (expectedStatus)) << failed_.err;                                                    \
        EXPECT_EQ(failed_.out, "");                                                                                    \
        EXPECT_EQ(failed_.err.rfind("vaultlet-cli: ", 0), 0u) << failed_.err;                                          \
        EXPECT_EQ(failed_.err.find('\n'), failed_.err.size() - 1) << failed_.err;                                      \
        EXPECT_NE(failed_.err.find(text), std::string::npos) << failed_.err;                                           \
    } while (false)

} // namespace vaultlet::test

#pragma once

#include "cli/PasswordTerminal.h"
#include "core/FileSystem.h"

#include <deque>
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

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs vaultlet-cli in-process with string streams for standard input, output and error.
class CliHarness {
public:
    CliRun Run(const std::vector<std::string>& arguments, const std::string& input = {},
               FileSystem& fileSystem = FileSystem::Real());

    FakeTerminal terminal;
};

} // namespace vaultlet::test

#include "tests/cli/CliHarness.h"

#include "cli/CliApplication.h"

#include <sstream>
#include <string_view>

namespace vaultlet::test {

PasswordTerminal::Result FakeTerminal::ReadHidden(std::string_view prompt, EnteredPassword& secret) {
    prompts.emplace_back(prompt);
    if (!present) {
        return Result::NoTerminal;
    }
    if (answers.empty()) {
        return Result::Ended;
    }
    secret.text = answers.front();
    secret.exact = exact;
    answers.pop_front();
    return Result::Read;
}

CliRun CliHarness::Run(const std::vector<std::string>& arguments, const std::string& input, FileSystem& fileSystem) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    CliApplication application(in, out, err, terminal, fileSystem);
    CliRun run;
    run.status = application.Run(views);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace vaultlet::test

#include "tests/cli/CliFixture.h"

#include "cli/CliApplication.h"

#include <gtest/gtest.h>

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

ProcessResult CliFixture::RunPlain(const std::vector<std::string>& arguments, const std::string& input,
                                   FileSystem& fileSystem) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    CliApplication application(in, out, err, m_terminal, fileSystem);
    const int status = application.Run(views);
    return {status, out.str(), err.str()};
}

ProcessResult CliFixture::Run(std::vector<std::string> arguments, const std::string& input, FileSystem& fileSystem) {
    arguments.insert(arguments.begin(), "--password-stdin");
    return RunPlain(arguments, input, fileSystem);
}

ProcessResult CliFixture::RunTyped(const std::vector<std::string>& arguments, std::vector<std::string> typed,
                                   const std::string& input) {
    m_terminal.answers.assign(typed.begin(), typed.end());
    m_terminal.prompts.clear();
    return RunPlain(arguments, input);
}

void CliFixture::Add(const std::string& file, std::vector<std::string> arguments, const std::string& input) {
    arguments.insert(arguments.begin(), {"add", file});
    const ProcessResult run = Run(arguments, input);
    EXPECT_EQ(run.status, 0) << arguments[2] << ": " << run.err;
}

std::string CliFixture::MakeDatabase(const std::string& name, std::vector<std::string> options) {
    const std::string path = Path(name);
    std::vector<std::string> arguments = {"create", path, "--iterations", "2"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const ProcessResult run = Run(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return path;
}

std::unique_ptr<EncryptedDatabase> CliFixture::Load(const std::string& path, const std::string& password) {
    auto database = std::make_unique<EncryptedDatabase>();
    database->SetPassword(password);
    EXPECT_EQ(database->Load(path), LoadResult::Loaded);
    return database;
}

} // namespace vaultlet::test

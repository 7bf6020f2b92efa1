#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

namespace vaultlet::test {

CliRun CliFixture::Run(std::vector<std::string> arguments, const std::string& input, FileSystem& fileSystem) {
    arguments.insert(arguments.begin(), "--password-stdin");
    return m_cli.Run(arguments, input, fileSystem);
}

CliRun CliFixture::RunTyped(const std::vector<std::string>& arguments, std::vector<std::string> typed,
                            const std::string& input) {
    m_cli.terminal.answers.assign(typed.begin(), typed.end());
    m_cli.terminal.prompts.clear();
    return m_cli.Run(arguments, input);
}

void CliFixture::Add(const std::string& file, std::vector<std::string> arguments, const std::string& input) {
    arguments.insert(arguments.begin(), {"add", file});
    const CliRun run = Run(arguments, input);
    EXPECT_EQ(run.status, 0) << arguments[2] << ": " << run.err;
}

std::string CliFixture::MakeDatabase(const std::string& name, std::vector<std::string> options) {
    const std::string path = Path(name);
    std::vector<std::string> arguments = {"create", path, "--iterations", "2"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const CliRun run = Run(arguments);
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

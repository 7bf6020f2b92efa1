#include "cli/SetCipherCommand.h"

#include "core/DatabaseDocument.h"
#include "tests/cli/CliFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class SetCipherCommandTest : public test::CliFixture {};

std::string DocumentOf(const Database& database) {
    SecureString text;
    EXPECT_TRUE(DatabaseDocument::Print(database, text));
    return std::string(text.Viewed());
}

} // namespace

TEST_F(SetCipherCommandTest, EveryCipherKeepsTheContent) {
    const std::string path = MakeDatabase();
    Add(path, {"Internet/Mail"});
    Add(path, {"Internet/Mail/Password", "--type", "password", "--value", "x"});
    const std::string content = DocumentOf(*Load(path));
    for (const auto& [name, id] : {std::pair{"blowfish", 3}, {"twofish", 2}, {"aes128", 0}, {"aes256", 1}}) {
        ASSERT_EQ(Run({"set-cipher", path, name}).status, 0) << name;
        const auto database = Load(path);
        EXPECT_EQ(database->CipherId(), id);
        EXPECT_EQ(database->KeyIterations(), 2u);
        EXPECT_EQ(DocumentOf(*database), content);
    }
}

TEST_F(SetCipherCommandTest, AnUnknownCipherIsRefusedBeforeThePasswordIsAsked) {
    const std::string path = MakeDatabase();
    const std::string before = test::ReadFileBytes(path);
    EXPECT_CLI_FAILURE(RunTyped({"set-cipher", path, "des"}, {"pw"}), 64,
                       "unknown cipher \"des\" (aes256, aes128, twofish or blowfish)");
    EXPECT_TRUE(m_cli.terminal.prompts.empty());
    EXPECT_EQ(test::ReadFileBytes(path), before);
}

#include "cli/SetCipherCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using SetCipherCommandTest = test::CliFixture;

// That the content comes back under every cipher is EncryptedDatabaseTest's.
TEST_F(SetCipherCommandTest, EachNameChoosesItsCipher) {
    const std::string path = MakeDatabase();
    for (const auto& [name, id] : {std::pair{"blowfish", 3}, {"twofish", 2}, {"aes128", 0}, {"aes256", 1}}) {
        ASSERT_EQ(Run({"set-cipher", path, name}).status, 0) << name;
        EXPECT_EQ(Load(path)->CipherId(), id);
    }
}

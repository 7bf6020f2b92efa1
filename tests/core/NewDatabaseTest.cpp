#include "core/NewDatabase.h"

#include "tests/support/ModelFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class NewDatabaseTest : public test::ModelFixture {};

} // namespace

TEST_F(NewDatabaseTest, ProposedNameIsTheFileNameWithoutFolderAndLastExtension) {
    EXPECT_EQ(NewDatabase::DefaultName("C:\\Data\\my.vault.kvtdat"), "my.vault");
    EXPECT_EQ(NewDatabase::DefaultName("C:\\Data\\Passwords"), "Passwords");
    EXPECT_EQ(NewDatabase::DefaultName("/home/user/work.kvtdat"), "work");
    EXPECT_EQ(NewDatabase::DefaultName("plain.kvtdat"), "plain");
    EXPECT_EQ(NewDatabase::DefaultName("C:\\Data\\"), "");
    EXPECT_EQ(NewDatabase::DefaultName("C:\\Data.old\\file"), "file") << "a dot in a folder name does not count";
}

TEST_F(NewDatabaseTest, ANewDatabaseHasTheFiveGroupsAndOpensAgainWithItsHeader) {
    test::TempDir dir;
    const std::string path = dir.File("new.kvtdat");
    auto database = NewDatabase::Create(path, "Family", "secret", 2);
    database->SetKeyIterations(50); // only to keep the test fast
    ASSERT_EQ(database->GroupCount(), 5u);
    EXPECT_EQ(database->PasscardCount(), 0u);
    EXPECT_EQ(database->ItemCount(), 0u);
    const char* expected[] = {"Network", "Internet", "E-Mail", "HomeBanking", "Software"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(database->At(i)->Name(), expected[i]);
        EXPECT_EQ(database->At(i)->Image(), -1);
        EXPECT_EQ(database->At(i)->Comment(), "");
        EXPECT_EQ(database->At(i)->Time(), kNow);
    }
    EXPECT_EQ(database->Time(), kNow);
    ASSERT_TRUE(database->Save());

    std::string name;
    int cipherId = -1;
    ASSERT_TRUE(ProbeFile(path, name, cipherId));
    EXPECT_EQ(name, "Family");
    EXPECT_EQ(cipherId, 2);
    EncryptedDatabase reopened;
    reopened.SetPassword("secret");
    ASSERT_EQ(reopened.Load(path), LoadResult::Loaded);
    EXPECT_EQ(reopened.GroupCount(), 5u);
}

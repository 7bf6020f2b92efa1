#include "core/NewDatabase.h"

#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using NewDatabaseTest = test::ModelFixture;

TEST_F(NewDatabaseTest, ProposedNameIsTheFileNameWithoutFolderAndLastExtension) {
    EXPECT_EQ(NewDatabase::DefaultName("C:\\Data\\my.vault.kvtdat"), "my.vault");
    EXPECT_EQ(NewDatabase::DefaultName("C:\\Data\\Passwords"), "Passwords");
    EXPECT_EQ(NewDatabase::DefaultName("/home/user/work.kvtdat"), "work");
    EXPECT_EQ(NewDatabase::DefaultName("plain.kvtdat"), "plain");
    EXPECT_EQ(NewDatabase::DefaultName("C:\\Data\\"), "");
    EXPECT_EQ(NewDatabase::DefaultName("C:\\Data.old\\file"), "file") << "a dot in a folder name does not count";
}

// The name, cipher and password it is made with, its header and opening it again are the create
// command's tests (CreateCommandTest, InfoCommandTest), which go through this same function.
TEST_F(NewDatabaseTest, ANewDatabaseHasTheFiveEmptyGroups) {
    const auto database = NewDatabase::Create("C:\\Data\\new.kvtdat", "Family", "secret", 2);
    ASSERT_EQ(database->Count(), 5u);
    const char* expected[] = {"Network", "Internet", "E-Mail", "HomeBanking", "Software"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(database->At(i)->Name(), expected[i]);
        EXPECT_EQ(database->At(i)->Count(), 0u);
    }
    EXPECT_EQ(database->Path(), "C:\\Data\\new.kvtdat");
}

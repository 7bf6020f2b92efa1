#include "cli/MergeCommand.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using MergeCommandTest = test::CliFixture;

namespace {

void SetPassword(EncryptedDatabase& database, const char* value) {
    database.FindByName("Internet")->FindByName("Mail")->FindByName("Password")->SetValue(value);
}

} // namespace

// The rules of a merge with and without a base are DatabaseMergeTest's; here the base and the other
// copy open, the report is printed and only FILE is written, keeping its own settings. FILE and OTHER
// start as copies of BASE, which holds Internet/Mail with a password "old".
TEST_F(MergeCommandTest, AnotherCopysPasswordIsAskedForAndTheSettingsStayThisFilesOwn) {
    const std::string file = MakeDatabase();
    const std::string otherPath = Path("other.kvtdat");
    const std::string base = Path("base.kvtdat");
    Add(file, {"Internet/Mail"});
    Add(file, {"Internet/Mail/Password", "--type", "password", "--value", "old"});
    const std::string bytes = test::ReadFileBytes(file);
    ASSERT_TRUE(test::WriteFileBytes(otherPath, bytes) && test::WriteFileBytes(base, bytes));

    // Another copy of the program changes each of FILE and OTHER.
    ASSERT_TRUE(test::ChangeDatabaseFile(
        file, [](EncryptedDatabase& d) { SetPassword(d, "ours"); }, kPassword));
    ASSERT_EQ(Run({"rm", otherPath, "Network"}).status, 0);
    ASSERT_TRUE(test::ChangeDatabaseFile(
        otherPath,
        [](EncryptedDatabase& d) {
            SetPassword(d, "theirs");
            d.SetName("Elsewhere");
            d.SetCipherId(d.CipherId() == 1 ? 2 : 1);
            d.SetKeyIterations(d.KeyIterations() + 1);
            d.SetPassword("other");
        },
        kPassword));
    const auto own = Load(file);
    const std::string before = test::ReadFileBytes(file);
    const std::string other = test::ReadFileBytes(otherPath);
    EXPECT_CLI_FAILURE(Run({"merge", file, otherPath, "--base", base}, "pw\nnope\n"), 1, "wrong password");
    EXPECT_EQ(test::ReadFileBytes(file), before);

    // The base opens with either password already given.
    const test::ProcessResult run = Run({"merge", file, otherPath, "--base", base}, "pw\nother\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Merged: 0 added, 1 removed, 0 changed, 1 kept as other copies\n"
              "Kept this database's name, cipher, key iterations, master password (the other copy's differ)\n");
    EXPECT_EQ(Run({"ls", file, "Internet/Mail", "--reveal"}).out, "Password: ours\nPassword (other copy): theirs\n");
    EXPECT_EQ(test::ReadFileBytes(otherPath), other) << "only FILE is written";
    const auto merged = Load(file);
    EXPECT_EQ(merged->Name(), "db");
    EXPECT_EQ(merged->CipherId(), own->CipherId());
    EXPECT_EQ(merged->KeyIterations(), own->KeyIterations());
}

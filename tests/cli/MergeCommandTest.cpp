#include "cli/MergeCommand.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

// FILE and OTHER start as copies of BASE, which holds Internet/Mail with a password "old".
class MergeCommandTest : public test::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        m_file = MakeDatabase();
        Add(m_file, {"Internet/Mail"});
        Add(m_file, {"Internet/Mail/Password", "--type", "password", "--value", "old"});
        const std::string bytes = test::ReadFileBytes(m_file);
        ASSERT_TRUE(test::WriteFileBytes(m_other, bytes) && test::WriteFileBytes(m_base, bytes));
    }

    // Another copy of the program changes a file.
    static void Change(const std::string& path, const std::function<void(EncryptedDatabase&)>& change) {
        ASSERT_TRUE(test::ChangeDatabaseFile(path, change, kPassword));
    }
    static void SetPassword(EncryptedDatabase& database, const char* value) {
        database.FindByName("Internet")->FindByName("Mail")->FindByName("Password")->SetValue(value);
    }
    std::string Listed(const std::string& path) { return Run({"ls", m_file, path, "--reveal"}).out; }

    std::string m_file;
    std::string m_other = Path("other.kvtdat");
    std::string m_base = Path("base.kvtdat");
};

} // namespace

// The rules of a merge with and without a base are DatabaseMergeTest's; here the base and the other
// copy open, the report is printed and only FILE is written, keeping its own settings.
TEST_F(MergeCommandTest, AnotherCopysPasswordIsAskedForAndTheSettingsStayThisFilesOwn) {
    Change(m_file, [](EncryptedDatabase& d) { SetPassword(d, "ours"); });
    ASSERT_EQ(Run({"rm", m_other, "Network"}).status, 0);
    Change(m_other, [](EncryptedDatabase& d) {
        SetPassword(d, "theirs");
        d.SetName("Elsewhere");
        d.SetCipherId(d.CipherId() == 1 ? 2 : 1);
        d.SetKeyIterations(d.KeyIterations() + 1);
        d.SetPassword("other");
    });
    const auto own = Load(m_file);
    const std::string before = test::ReadFileBytes(m_file);
    const std::string other = test::ReadFileBytes(m_other);
    EXPECT_CLI_FAILURE(Run({"merge", m_file, m_other, "--base", m_base}, "pw\nnope\n"), 1, "wrong password");
    EXPECT_EQ(test::ReadFileBytes(m_file), before);

    // The base opens with either password already given.
    const test::ProcessResult run = Run({"merge", m_file, m_other, "--base", m_base}, "pw\nother\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Merged: 0 added, 1 removed, 0 changed, 1 kept as other copies\n"
              "Kept this database's name, cipher, key iterations, master password (the other copy's differ)\n");
    EXPECT_EQ(Listed("Internet/Mail"), "Password: ours\nPassword (other copy): theirs\n");
    EXPECT_EQ(test::ReadFileBytes(m_other), other) << "only FILE is written";
    const auto merged = Load(m_file);
    EXPECT_EQ(merged->Name(), "db");
    EXPECT_EQ(merged->CipherId(), own->CipherId());
    EXPECT_EQ(merged->KeyIterations(), own->KeyIterations());
}

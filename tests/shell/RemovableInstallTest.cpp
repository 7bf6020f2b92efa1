// A portable copy made from the open database: what arrives where, and each step that fails, after
// which the install reports the failure and the open database is still exactly as it was.
#include "shell/RemovableInstall.h"

#include "core/ModifiedFlag.h"
#include "shell/DatabaseList.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/SettingsLocation.h"
#include "tests/shell/FakeInstallSystem.h"
#include "tests/shell/PrivateSettingsTest.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace vaultlet {
namespace {

using Outcome = RemovableInstall::Outcome;

class RemovableInstallTest : public test::PrivateSettingsTest {
protected:
    void SetUp() override {
        Settings::Write(setting::kAutoTypeTimeout, 77);
        ASSERT_TRUE(test::MakeDatabaseFile(m_path, "Home"));
        Settings::WriteList(setting::kDataBaseList, {m_path});
        m_database.SetPassword("secret");
        ASSERT_EQ(m_database.Load(m_path), LoadResult::Loaded);
        std::filesystem::create_directories(m_program);
        ASSERT_TRUE(test::WriteFileBytes(DatabaseList::JoinPath(m_program, "Vaultlet.exe"), "the program"));
        m_system.tempFolder = m_root.File("temp");
        std::filesystem::create_directories(m_system.tempFolder);
    }
    void TearDown() override { ModifiedFlag::Clear(); }

    Outcome Install(EncryptedDatabase& database) {
        RemovableInstall install(m_system, DatabaseList::JoinPath(m_program, "Vaultlet.exe"));
        const Outcome outcome = install.Run(&database, m_target);
        m_error = install.SystemError();
        return outcome;
    }
    std::string OnDrive(const std::string& name) const { return DatabaseList::JoinPath(m_target, name); }
    // The open database has its own name, file and modified state, and no temporary file is left.
    void ExpectLeftAsItWas(const EncryptedDatabase& database, bool modified) const {
        EXPECT_EQ(database.Name(), "Home");
        EXPECT_EQ(database.Path(), m_path);
        EXPECT_EQ(ModifiedFlag::IsRaised(), modified);
        ASSERT_FALSE(m_system.created.empty());
        EXPECT_FALSE(std::filesystem::exists(m_system.created.back()));
    }

    std::string m_path = m_root.File("Home.kvtdat");
    std::string m_program = m_root.File("program");
    std::string m_target = DatabaseList::JoinPath(m_root.File("drive"), "Passwords");
    EncryptedDatabase m_database;
    test::FakeInstallSystem m_system;
    unsigned long m_error = 0;
};

TEST_F(RemovableInstallTest, CopiesProgramHelpDatabaseAndSettingsAndLeavesTheOpenDatabaseAsItWas) {
    ASSERT_TRUE(test::WriteFileBytes(DatabaseList::JoinPath(m_program, "vaultlet.chm"), "the help"));
    m_database.SetComment("not saved yet");

    ASSERT_EQ(Install(m_database), Outcome::Installed);
    ExpectLeftAsItWas(m_database, true);
    EXPECT_EQ(test::ReadFileBytes(OnDrive("Vaultlet.exe")), "the program");
    EXPECT_EQ(test::ReadFileBytes(OnDrive("Vaultlet.chm")), "the help");

    SettingsLocation::Set(OnDrive("Vaultlet.ini"));
    EXPECT_EQ(Settings::Read(setting::kAutoTypeTimeout), 77);
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), std::vector<std::string>{m_path});

    // The copy holds the change not saved yet, under its own name, with the same password.
    EncryptedDatabase copy;
    copy.SetPassword("secret");
    ASSERT_EQ(copy.Load(OnDrive("passwords_db.kvtdat")), LoadResult::Loaded);
    EXPECT_EQ(copy.Name(), "Home (Removable)");
    EXPECT_EQ(copy.Comment(), "not saved yet");

    // The open database still guards its own file: a change by another program there is not overwritten.
    ASSERT_TRUE(test::WriteFileBytes(m_path, "written by another program"));
    EXPECT_EQ(m_database.SaveWithResult(), SaveResult::ChangedOnDisk);
}

TEST_F(RemovableInstallTest, WithoutATemporaryFileNothingIsWritten) {
    m_system.tempFolder.clear();
    EXPECT_EQ(Install(m_database), Outcome::TempFileFailed);
    EXPECT_EQ(m_error, test::FakeInstallSystem::kPathNotFound);
    EXPECT_FALSE(std::filesystem::exists(m_target));
    EXPECT_EQ(m_database.Name(), "Home");
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

TEST_F(RemovableInstallTest, ACopyThatCannotBeSavedIsNotInstalled) {
    // Otherwise the empty temporary file would reach the drive as the database.
    test::FaultyFileSystem failing(test::FaultyFileSystem::Fault::Create);
    EncryptedDatabase database(failing);
    database.SetPassword("secret");
    ASSERT_EQ(database.Load(m_path), LoadResult::Loaded);

    EXPECT_EQ(Install(database), Outcome::SaveFailed);
    EXPECT_FALSE(std::filesystem::exists(m_target));
    ExpectLeftAsItWas(database, false);
}

TEST_F(RemovableInstallTest, AnIncompleteCopyGetsNoSettingsFile) {
    m_database.SetComment("not saved yet");
    m_system.copyFails = true;
    EXPECT_EQ(Install(m_database), Outcome::CopyFailed);
    EXPECT_EQ(m_error, test::FakeInstallSystem::kDiskFull);
    EXPECT_FALSE(std::filesystem::exists(OnDrive("Vaultlet.ini")));
    ExpectLeftAsItWas(m_database, true);
}

// The copy reaches the settings though there is no help file to copy: a missing one is left out.
TEST_F(RemovableInstallTest, SettingsThatCannotBeWrittenAreAFailure) {
    std::filesystem::create_directories(OnDrive("Vaultlet.ini"));
    EXPECT_EQ(Install(m_database), Outcome::SettingsFailed);
    EXPECT_TRUE(std::filesystem::exists(OnDrive("passwords_db.kvtdat")));
    ExpectLeftAsItWas(m_database, false);
}

} // namespace
} // namespace vaultlet

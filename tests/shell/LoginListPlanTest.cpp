#include "shell/LoginListPlan.h"

#include "tests/shell/PrivateSettingsTest.h"
#include "tests/support/DatabaseFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vaultlet {
namespace {

class LoginListPlanTest : public test::PrivateSettingsTest {
protected:
    void SetUp() override {
        std::filesystem::create_directory(m_root.File("program"));
        std::filesystem::create_directory(m_root.File("other"));
        m_folders.executableFolder = m_root.File("program");
        m_folders.searchFolders = {m_folders.executableFolder};
        m_portable = DatabaseList::JoinPath(m_root.File("program"), "passwords_db.kvtdat");
        m_home = DatabaseList::JoinPath(m_root.File("other"), "home.kvtdat");
        m_work = DatabaseList::JoinPath(m_root.File("other"), "work.kvtdat");
        ASSERT_TRUE(test::MakeDatabaseFile(m_portable, "Portable"));
        ASSERT_TRUE(test::MakeDatabaseFile(m_home, "Home"));
        ASSERT_TRUE(test::MakeDatabaseFile(m_work, "Work"));
    }

    DatabaseList Loaded(bool removable) {
        DatabaseFolders folders = m_folders;
        folders.executableOnRemovableDrive = removable;
        DatabaseList list(folders);
        list.Load();
        list.AddFile(m_home);
        list.AddFile(m_work);
        return list;
    }

    DatabaseFolders m_folders;
    std::string m_portable, m_home, m_work;
};

TEST_F(LoginListPlanTest, SelectsTheLastDatabaseOpenedOrElseTheFirst) {
    const DatabaseList list = Loaded(false);
    std::string shouted = m_work;
    shouted.replace(shouted.size() - 11, 4, "WORK");
    const LoginListPlan last = LoginListPlan::Make(list, "", false, shouted);
    ASSERT_EQ(last.texts.size(), 3u);
    EXPECT_EQ(last.texts[2].rfind("Work [", 0), 0u) << "the list's entries in its order";
    EXPECT_EQ(last.selectedEntry, 2) << "compared without regard to case";
    EXPECT_FALSE(last.locked);
    EXPECT_EQ(LoginListPlan::Make(list, "", false, m_root.File("gone.kvtdat")).selectedEntry, 0);

    DatabaseFolders emptyFolders;
    const DatabaseList empty(emptyFolders);
    const LoginListPlan none = LoginListPlan::Make(empty, m_home, true, m_home);
    EXPECT_TRUE(none.texts.empty());
    EXPECT_EQ(none.selectedEntry, -1);
    EXPECT_FALSE(none.locked);
}

TEST_F(LoginListPlanTest, AHandedInFileWinsAndLocksTheChoiceOnlyWhenListed) {
    const DatabaseList list = Loaded(true);
    const LoginListPlan given = LoginListPlan::Make(list, m_home, true, m_work);
    EXPECT_EQ(given.selectedEntry, 1) << "the file to open beats LastSelected and the portable file";
    EXPECT_TRUE(given.locked);

    const LoginListPlan created = LoginListPlan::Make(list, m_home, false, m_work);
    EXPECT_EQ(created.selectedEntry, 1);
    EXPECT_FALSE(created.locked) << "a file to open without the given flag does not lock";

    const LoginListPlan missing =
        LoginListPlan::Make(list, DatabaseList::JoinPath(m_root.File("other"), "absent.kvtdat"), true, m_work);
    EXPECT_EQ(missing.selectedEntry, 0);
    EXPECT_FALSE(missing.locked);
}

TEST_F(LoginListPlanTest, APortableCopyPrefersTheDatabaseBesideItOnlyOnARemovableDrive) {
    EXPECT_EQ(LoginListPlan::Make(Loaded(true), "", false, m_work).selectedEntry, 0);
    EXPECT_EQ(LoginListPlan::Make(Loaded(false), "", false, m_work).selectedEntry, 2);

    std::filesystem::rename(m_portable, DatabaseList::JoinPath(m_root.File("program"), "renamed.kvtdat"));
    EXPECT_EQ(LoginListPlan::Make(Loaded(true), "", false, m_work).selectedEntry, 2)
        << "without passwords_db.kvtdat beside it, LastSelected counts again";
}

} // namespace
} // namespace vaultlet

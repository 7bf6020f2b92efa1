#include "shell/DatabaseList.h"

#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/shell/PrivateSettingsTest.h"
#include "tests/support/DatabaseFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace vaultlet {
namespace {

using test::MakeDatabaseFile;
using Paths = std::vector<std::string>;

// A program folder and two other folders with database files, and a private settings file.
class DatabaseListTest : public test::PrivateSettingsTest {
protected:
    void SetUp() override {
        for (const char* folder : {"program", "documents", "appdata"}) {
            std::filesystem::create_directory(m_root.File(folder));
        }
        m_folders.executableFolder = Path("program");
        m_folders.searchFolders = {Path("program"), Path("appdata"), Path("documents")};
    }

    // A path below the temporary folder written with "/", in the form the system uses.
    std::string Path(std::string relative) const {
        const std::string root = DatabaseList::JoinPath(m_root.Path(), "");
        std::replace(relative.begin(), relative.end(), '/', root.back());
        return root + relative;
    }
    std::string Make(const std::string& relative, const std::string& name) const {
        const std::string path = Path(relative);
        EXPECT_TRUE(MakeDatabaseFile(path, name));
        return path;
    }
    static Paths PathsOf(const DatabaseList& list) {
        Paths paths;
        for (const DatabaseEntry& entry : list.Entries()) {
            paths.push_back(entry.path);
        }
        return paths;
    }
    static Paths Stored() { return Settings::ReadList(setting::kDataBaseList); }

    DatabaseFolders m_folders;
};

TEST_F(DatabaseListTest, LoadListsTheProgramFolderFirstThenTheStoredFilesThatStillOpen) {
    const std::string local = Make("program/local.kvtdat", "Local");
    const std::string home = Make("documents/home.kvtdat", "Home");
    const std::string work = Make("appdata/work.kvtdat", "Work");
    test::WriteFileBytes(Path("documents/broken.kvtdat"), "not a database at all, but long enough to be read......");
    Settings::WriteList(setting::kDataBaseList,
                        {work, Path("documents/gone.kvtdat"), Path("documents/broken.kvtdat"), home, local});

    DatabaseList list(m_folders);
    list.Load();
    EXPECT_EQ(PathsOf(list), (Paths{local, work, home}));
    EXPECT_EQ(list.Entries()[1].name, "Work");
    EXPECT_EQ(Stored().size(), 5u) << "loading does not rewrite the stored list";

    list.Save();
    EXPECT_EQ(Stored(), (Paths{local, work, home})) << "vanished and broken files drop out when saved";
}

TEST_F(DatabaseListTest, PathsThatDifferOnlyInCaseAreOneEntry) {
    const std::string home = Make("documents/home.kvtdat", "Home");
    std::string shouted = home;
    shouted.replace(shouted.size() - 11, 4, "HOME");
    DatabaseList list(m_folders);
    EXPECT_TRUE(list.Add("Home", home));
    EXPECT_FALSE(list.Add("Home again", shouted));
    EXPECT_EQ(list.Entries().size(), 1u);
    EXPECT_EQ(list.Find(shouted), 0);
    EXPECT_EQ(list.Find(Path("documents/other.kvtdat")), -1);

    // The same holds for what comes from the settings: the first spelling wins.
    Settings::WriteList(setting::kDataBaseList, {home, shouted});
    list.Load();
    EXPECT_EQ(PathsOf(list), Paths{home});
}

TEST_F(DatabaseListTest, AddFileAcceptsOnlyDatabasesAndSavesEitherWay) {
    const std::string home = Make("documents/home.kvtdat", "Home");
    test::WriteFileBytes(Path("documents/text.kvtdat"), "hello");
    DatabaseList list(m_folders);
    list.Load();
    EXPECT_FALSE(list.AddFile(Path("documents/text.kvtdat")));
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_TRUE(list.AddFile(home));
    EXPECT_TRUE(list.AddFile(home)) << "a file already listed still passes";
    EXPECT_EQ(PathsOf(list), Paths{home});
    EXPECT_EQ(Stored(), Paths{home});

    // Another instance sees it after loading: every instance reads the store anew.
    DatabaseList other(m_folders);
    other.Load();
    EXPECT_EQ(PathsOf(other), Paths{home});
}

TEST_F(DatabaseListTest, FilesBesideTheProgramCannotBeRemovedAndComeBackAfterClear) {
    const std::string local = Make("program/Local.KVTDAT", "Local");
    const std::string home = Make("documents/home.kvtdat", "Home");
    DatabaseList list(m_folders);
    list.Load();
    list.AddFile(home);
    ASSERT_EQ(PathsOf(list), (Paths{local, home}));
    EXPECT_TRUE(list.IsInExecutableFolder(local));
    EXPECT_FALSE(list.IsInExecutableFolder(home));
    EXPECT_FALSE(DatabaseList(DatabaseFolders{}).IsInExecutableFolder(home)) << "no program folder known";

    list.Remove(local);
    EXPECT_EQ(PathsOf(list), (Paths{local, home})) << "refused for the program's folder";
    std::string shouted = home;
    shouted.replace(shouted.size() - 11, 4, "HOME");
    list.Remove(shouted);
    EXPECT_EQ(PathsOf(list), Paths{local});
    EXPECT_EQ(Stored(), Paths{local});

    list.Clear();
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_TRUE(Stored().empty());
    list.Load();
    EXPECT_EQ(PathsOf(list), Paths{local}) << "the scan of the program folder brings it back";
}

TEST_F(DatabaseListTest, ScansTakeDatabaseFilesOfAnyExtensionCaseWithoutRecursing) {
    const std::string upper = Make("documents/B.KVTDAT", "Upper");
    const std::string lower = Make("documents/a.kvtdat", "Lower");
    Make("documents/renamed.kvtdat.bak", "Backup");
    Make("documents/noextension", "Bare");
    std::filesystem::create_directory(Path("documents/nested"));
    Make("documents/nested/deep.kvtdat", "Deep");
    std::filesystem::create_directory(Path("documents/folder.kvtdat"));
    test::WriteFileBytes(Path("documents/fake.kvtdat"), std::string(100, 'x'));
    const std::string appdata = Make("appdata/c.kvtdat", "AppData");

    DatabaseList list(m_folders);
    list.ScanFolder(Path("documents"));
    EXPECT_EQ(PathsOf(list), (Paths{upper, lower})) << "names sorted byte-wise";
    list.ScanFolder(Path("no-such-folder"));
    EXPECT_EQ(list.Entries().size(), 2u);

    DatabaseList all(m_folders);
    all.ScanAll();
    EXPECT_EQ(PathsOf(all), (Paths{appdata, upper, lower})) << "search folders in their order";
    EXPECT_TRUE(Stored().empty()) << "scanning alone does not save";
}

TEST(DatabaseListTextTest, JoinPathAddsOneSeparator) {
    EXPECT_EQ(DatabaseList::JoinPath("C:\\data", "a.kvtdat"), "C:\\data\\a.kvtdat");
    EXPECT_EQ(DatabaseList::JoinPath("C:\\", "a.kvtdat"), "C:\\a.kvtdat");
    EXPECT_EQ(DatabaseList::JoinPath("E:", "a.kvtdat"), "E:\\a.kvtdat") << "a program at the root of a drive";
    EXPECT_EQ(DatabaseList::JoinPath("/tmp/x", "a.kvtdat"), "/tmp/x/a.kvtdat");
}

} // namespace
} // namespace vaultlet

#include "shell/Settings.h"

#include "shell/IniFile.h"
#include "shell/SettingsLocation.h"
#include "tests/shell/PrivateSettingsTest.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <thread>

namespace vaultlet {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

using SettingsIniTest = test::PrivateSettingsTest;

TEST_F(SettingsIniTest, WritesRoundTripAndAreSeenAtOnce) {
    Settings::WriteInt("AutoDestroyTimeout", 25);
    Settings::WriteString("LastSelected", "C:\\new\\db.kvtdat");
    Settings::WriteString("OpenFile", "");
    EXPECT_EQ(Settings::ReadInt("AutoDestroyTimeout", 10), 25);
    EXPECT_EQ(Settings::ReadString("LastSelected", ""), "C:\\new\\db.kvtdat");
    EXPECT_EQ(Settings::ReadString("OpenFile", "default"), "");

    // Another process rewriting the file is seen by the next read: nothing is cached.
    IniFile other;
    other.Load(m_settingsFile);
    other.Set(Settings::kIniSection, "AutoDestroyTimeout", "40");
    ASSERT_TRUE(other.Save(m_settingsFile));
    EXPECT_EQ(Settings::ReadInt("AutoDestroyTimeout", 10), 40);
    EXPECT_EQ(Settings::ReadString("LastSelected", ""), "C:\\new\\db.kvtdat");
}

TEST_F(SettingsIniTest, ListsReplaceTheirWholeSection) {
    const std::vector<std::string> paths = {"C:\\a.kvtdat", "D:\\new\\b.kvtdat", "E:\\[c]=.kvtdat"};
    Settings::WriteList(setting::kDataBaseList, paths);
    Settings::WriteString("Language", "Russian");
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), paths);
    // Entries are numbered from 0 and read back in the text order of their numbers: "10" before "2".
    std::vector<std::string> twelve;
    for (int i = 0; i < 12; ++i) {
        twelve.push_back("entry" + std::to_string(i));
    }
    Settings::WriteList(setting::kDataBaseList, twelve);
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList),
              (std::vector<std::string>{"entry0", "entry1", "entry10", "entry11", "entry2", "entry3", "entry4",
                                        "entry5", "entry6", "entry7", "entry8", "entry9"}));
    Settings::WriteList(setting::kDataBaseList, {});
    EXPECT_TRUE(Settings::ReadList(setting::kDataBaseList).empty());
    EXPECT_EQ(Settings::ReadString("Language", ""), "Russian");
}

// The main window and a dialog's thread store settings at the same time: each write loads the file,
// changes its value and writes it back, and neither may undo the other's.
TEST_F(SettingsIniTest, WritesFromTwoThreadsAtOnceAreAllKept) {
    constexpr int kRounds = 200;
    // Each thread reads its value back after every write; another thread's write may not undo it.
    const auto writeRounds = [](const IntSetting& option, int& undone) {
        for (int round = 1; round <= kRounds; ++round) {
            Settings::Write(option, round);
            undone += Settings::Read(option) != round ? 1 : 0;
        }
    };
    int undoneThere = 0;
    int undoneHere = 0;
    std::thread other(writeRounds, std::cref(setting::kLockIdleMinutes), std::ref(undoneThere));
    writeRounds(setting::kHealthExpiringDays, undoneHere);
    other.join();
    EXPECT_EQ(undoneThere + undoneHere, 0);
    EXPECT_EQ(Settings::Read(setting::kLockIdleMinutes), kRounds);
    EXPECT_EQ(Settings::Read(setting::kHealthExpiringDays), kRounds);
}

TEST_F(SettingsIniTest, StoredIntegersReadByTheirLeadingDigits) {
    ASSERT_TRUE(WriteFileBytes(
        m_settingsFile, "[Quillmoth Keyhaven]\r\nA=12abc\r\nB=abc\r\nC=-5\r\nE= 7\r\nF=99999999999999999999\r\n"));
    EXPECT_EQ(Settings::ReadInt("A", 1), 12);
    EXPECT_EQ(Settings::ReadInt("B", 1), 0);
    EXPECT_EQ(Settings::ReadInt("C", 1), -5);
    EXPECT_EQ(Settings::ReadInt("E", 1), 7);
    EXPECT_EQ(Settings::ReadInt("F", 1), INT_MAX);
}

TEST_F(SettingsIniTest, ABatchOfIntsLandsWholeAndAFileThatCannotBeUsedGivesDefaultsAndTakesNothing) {
    Settings::WriteString("Language", "Russian");
    ASSERT_TRUE(Settings::WriteInts({{"HonKeyKey", 71}, {"HonKeyModifier", 3}}));
    EXPECT_EQ(Settings::ReadInt("HonKeyKey", 70), 71);
    EXPECT_EQ(Settings::ReadInt("HonKeyModifier", 6), 3);
    EXPECT_EQ(Settings::Read(setting::kLanguage), "Russian") << "the batch keeps the other values";

    // A folder standing where the ini file should be cannot be read, and must not be replaced by a
    // file holding only the values being written; in a folder that does not exist writes vanish.
    const std::string before = ReadFileBytes(m_settingsFile);
    for (const std::string& location : {m_root.Path(), m_root.File("missing/Vaultlet.ini")}) {
        SettingsLocation::Set(location);
        EXPECT_FALSE(Settings::WriteInts({{"HonKeyKey", 72}})) << location;
        Settings::WriteInt("ShowTrayIcon", 0);
        Settings::WriteList(setting::kDataBaseList, {"x"});
        Settings::WriteString("Language", "Ukrainian");
        EXPECT_EQ(Settings::ReadInt("HonKeyKey", 70), 70) << location;
        EXPECT_EQ(Settings::ReadInt("ShowTrayIcon", 1), 1) << location;
        EXPECT_TRUE(Settings::ReadList(setting::kDataBaseList).empty()) << location;
        EXPECT_EQ(Settings::Read(setting::kLanguage), "English") << location;
    }
    EXPECT_EQ(ReadFileBytes(m_settingsFile), before);
}

TEST_F(SettingsIniTest, ExportWritesACompletePortableFile) {
    Settings::WriteInt("AutoDestroyTimeout", 33);
    Settings::WriteInt("Monitor", 1);
    Settings::WriteString("Language", "Ukrainian");
    Settings::WriteList(setting::kDataBaseList, {"C:\\db\\one.kvtdat", "C:\\two.kvtdat"});
    const std::string exported = m_root.File("export/Vaultlet.ini");
    ASSERT_FALSE(Settings::ExportSettingsToIni(exported)) << "the target folder does not exist yet";
    const std::string target = m_root.File("Exported.ini");
    ASSERT_TRUE(WriteFileBytes(target, "[Stale]\r\nold=1\r\n"));
    ASSERT_TRUE(Settings::ExportSettingsToIni(target));

    IniFile ini;
    ASSERT_EQ(ini.Load(target), IniFile::LoadResult::Loaded);
    EXPECT_EQ(ini.Sections().count("Stale"), 0U);
    const auto& values = ini.Sections().at(Settings::kIniSection);
    std::set<std::string> keys;
    for (const auto& entry : values) {
        keys.insert(entry.first);
    }
    // Every exported setting, and not the ones a portable copy must start without.
    std::set<std::string> expected;
    for (const IntSetting& option : setting::kExportedInts) {
        expected.insert(option.key);
    }
    for (const StringSetting& option : setting::kExportedStrings) {
        expected.insert(option.key);
    }
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(keys.count(setting::kMonitor.key), 0U);
    EXPECT_EQ(ini.Get(Settings::kIniSection, "AutoDestroyTimeout"), "33");
    EXPECT_EQ(ini.Get(Settings::kIniSection, "Language"), "Ukrainian");
    EXPECT_EQ(ini.List(setting::kDataBaseList), (std::vector<std::string>{"C:\\db\\one.kvtdat", "C:\\two.kvtdat"}));
}

} // namespace
} // namespace vaultlet

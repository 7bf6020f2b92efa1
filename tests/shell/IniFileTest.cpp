#include "shell/IniFile.h"

#include "core/TextConversion.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

TEST(IniFileTest, ValuesSurviveAWriteAndAReadAsUtf8) {
    // A value with each escaped character (the backslash also before what reads as an escape), an
    // empty one, and text that is UTF-8 on disk and ANSI in memory.
    const std::vector<std::string> values = {
        "a=b",
        "[section]",
        "two\r\nlines",
        "C:\\3dfiles\\5b\\5d\\5c",
        "",
        std::string(Utf8ToAnsi("Gr\xC3\xBC\xC3\x9F"
                               "e \xC3\xA9t\xC3\xA9")
                        .Viewed()),
    };
    TempDir folder;
    const std::string path = folder.File("round.ini");
    IniFile written;
    for (std::size_t i = 0; i < values.size(); ++i) {
        written.Set("Values", "k" + std::to_string(i), values[i]);
    }
    ASSERT_TRUE(written.Save(path));

    IniFile read;
    ASSERT_EQ(read.Load(path), IniFile::LoadResult::Loaded);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(read.Get("Values", "k" + std::to_string(i)), values[i]) << "value " << i;
    }
    // Nothing of a value may break the line structure of the file.
    const std::string bytes = ReadFileBytes(path);
    EXPECT_NE(bytes.find("k2=two\\r\\nlines\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("k3=C:\\5c3dfiles\\5c5b\\5c5d\\5c5c\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("k0=a\\3db\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("k1=\\5bsection\\5d\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("k5=Gr\xC3\xBC\xC3\x9F"
                         "e \xC3\xA9t\xC3\xA9\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
}

TEST(IniFileTest, BackslashesOfOlderFilesReadAsBefore) {
    // Files written before backslashes were escaped: a backslash that starts no escape is itself,
    // one that does is read as that escape.
    EXPECT_EQ(IniFile::UnescapeValue("C:\\Users\\Bob\\db.kvtdat"), "C:\\Users\\Bob\\db.kvtdat");
    EXPECT_EQ(IniFile::UnescapeValue("C:\\Users\\root"), "C:\\Users\root");
    EXPECT_EQ(IniFile::UnescapeValue("C:\\new"), "C:\new");
    EXPECT_EQ(IniFile::UnescapeValue("a\\3db\\5bc\\5d"), "a=b[c]");
    EXPECT_EQ(IniFile::UnescapeValue("a\\3Db"), "a\\3Db");
    EXPECT_EQ(IniFile::UnescapeValue("end\\"), "end\\");
    EXPECT_EQ(IniFile::UnescapeValue("\\5c\\5c"), "\\\\");
}

TEST(IniFileTest, ParsingFollowsTheLineRules) {
    IniFile ini;
    ini.Parse("orphan=before any section\r\n"
              "  [[Main]]  \r\n"
              "; comment=not a value\r\n"
              "  Key One  =  value with blanks\r\n"
              "=no key\r\n"
              "no equals sign\r\n"
              "dup=first\n"
              "dup=second\r"
              "[]\r\n"
              "lost=in an empty section\r\n"
              "[Other]\r\n"
              "x=1=2]\r\n");
    EXPECT_EQ(ini.Sections().size(), 2U);
    EXPECT_EQ(ini.Get("Main", "Key One"), "  value with blanks");
    EXPECT_EQ(ini.Get("Main", "dup"), "second");
    EXPECT_EQ(ini.Get("Main", "orphan"), std::nullopt);
    EXPECT_EQ(ini.Get("Main", "; comment"), std::nullopt);
    EXPECT_EQ(ini.Sections().at("Main").size(), 2U);
    EXPECT_EQ(ini.Get("Other", "x"), "1=2]");
    EXPECT_EQ(ini.Get("", "lost"), std::nullopt);
}

TEST(IniFileTest, SavingReplacesTheWholeFileWithSortedSectionsAfterEmptyLines) {
    TempDir folder;
    const std::string path = folder.File("replace.ini");
    ASSERT_TRUE(WriteFileBytes(path, "[Old]\r\nstale=1\r\n"));
    IniFile ini;
    ini.Set("b", "z", "1");
    ini.Set("b", "A", "2");
    ini.Set("a", "y", "3");
    ini.Set("B", "k", "4");
    ASSERT_TRUE(ini.Save(path));
    EXPECT_EQ(ReadFileBytes(path), "\r\n[B]\r\nk=4\r\n"
                                   "\r\n[a]\r\ny=3\r\n"
                                   "\r\n[b]\r\nA=2\r\nz=1\r\n");
    // Loading starts afresh, also when there is nothing to load.
    EXPECT_EQ(ini.Load(folder.File("absent.ini")), IniFile::LoadResult::Missing);
    EXPECT_TRUE(ini.Sections().empty());
}

} // namespace
} // namespace vaultlet

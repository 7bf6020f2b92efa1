#include "services/LanguagePack.h"

#include "core/TextConversion.h"
#include "resources/StringIds.h"
#include "services/BuiltinStringTable.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

using test::TempDir;
using test::WriteFileBytes;

// The compiled-in file of these tests: a German and an English section.
constexpr std::string_view kEmbedded = R"(<?xml version="1.0" encoding="UTF-8"?>
<strings>
    <German><string id="129" string="Embedded German"/></German>
    <English><string id="129" string="Embedded English"/></English>
</strings>)";

std::string Ansi(const char* utf8) {
    return std::string(Utf8ToAnsi(utf8).Viewed());
}

class LanguagePackTest : public ::testing::Test {
protected:
    LanguagePack PackWithFile(const std::string& content) {
        EXPECT_TRUE(WriteFileBytes(m_folder.File(LanguagePack::kFileName), content));
        LanguagePack pack(kEmbedded);
        pack.setExecutableFolder(m_folder.Path());
        return pack;
    }

    TempDir m_folder;
};

TEST_F(LanguagePackTest, BrokenOrMissingFilesFallBackToTheEmbeddedOne) {
    auto broken = PackWithFile("<strings><Russian><string id=\"129\" string=\"x\"/></Russian>");
    EXPECT_EQ(broken.availableLanguages(), (std::vector<std::string>{"German", "English"}));
    EXPECT_TRUE(broken.setLanguage("German"));
    EXPECT_EQ(broken.getString(IDS_EDIT_NAME_TITLE), "Embedded German");

    LanguagePack noFolder(kEmbedded);
    EXPECT_TRUE(noFolder.setLanguage("English"));
    EXPECT_EQ(noFolder.getString(IDS_EDIT_NAME_TITLE), "Embedded English");

    LanguagePack missingFile(kEmbedded);
    missingFile.setExecutableFolder(m_folder.File("nowhere"));
    EXPECT_EQ(missingFile.availableLanguages().size(), 2U);

    // A well-formed file without a "strings" element is still the source: it just has nothing.
    auto empty = PackWithFile("<other/>");
    EXPECT_TRUE(empty.availableLanguages().empty());
    EXPECT_FALSE(empty.setLanguage("English"));
    EXPECT_EQ(empty.getString(IDS_EDIT_NAME_TITLE), BuiltinStringTable::Find(IDS_EDIT_NAME_TITLE));
}

// A Western code page: Latin-1 letters, nothing beyond.
bool WesternCodePage(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c > 0xFF) {
            return false;
        }
    }
    return true;
}

TEST_F(LanguagePackTest, LanguagesAreChosenByTheirSectionAndFallBackToEnglish) {
    auto pack = PackWithFile(R"(<strings>
        <English><string id="131" string="File group"/><menu id="128"><string id="0" string="&amp;File"/></menu></English>
        <Japan><string id="131" string="J"/></Japan>
        <japan><string id="131" string="j"/></japan>
        <Russian><string id="131" string="Группа"/></Russian>
        <French><string id="131" string="Groupe d'élèves"/></French>
        <Mixed><string id="131" string="Group"/><menu id="128"><menu id="0"><string id="2" string="Ж"/></menu></menu></Mixed>
        <Menus><menu id="270"><string id="0" string="Now!"/></menu></Menus>
    </strings>)");
    // Japan (like Korean) is hidden but loadable.
    EXPECT_EQ(pack.availableLanguages(),
              (std::vector<std::string>{"English", "japan", "Russian", "French", "Mixed", "Menus"}));
    ASSERT_TRUE(pack.setLanguage("Japan"));
    EXPECT_EQ(pack.getString(IDS_KIND_GROUP), "J");

    EXPECT_TRUE(pack.setLanguage("Klingon"));
    EXPECT_EQ(pack.languageName(), "Klingon");
    EXPECT_EQ(pack.getString(IDS_KIND_GROUP), "File group");
    EXPECT_EQ(pack.getString(IDS_KIND_PASSCARD), "Passcard") << "ids the language lacks come from the table";

    // Menus alone do not make a language.
    ASSERT_TRUE(pack.setLanguage("Russian"));
    EXPECT_EQ(pack.getString(IDS_KIND_GROUP), Ansi("Группа")) << "the file's UTF-8 in the system's code page";
    EXPECT_FALSE(pack.setLanguage("Menus"));
    EXPECT_EQ(pack.languageName(), "Russian");
    EXPECT_EQ(pack.getString(IDS_KIND_GROUP), "Group") << "the strings of the earlier language are gone";
    ASSERT_NE(pack.menuTexts(270), nullptr) << "menu texts that were read stay in force";
    EXPECT_EQ(pack.menuTexts(270)->texts.at(0), "Now!");

    // Only a language whose every text the system holds can be shown.
    EXPECT_TRUE(pack.canShow("French", WesternCodePage));
    EXPECT_FALSE(pack.canShow("Russian", WesternCodePage));
    EXPECT_FALSE(pack.canShow("Mixed", WesternCodePage)) << "a menu text deep down counts as well";
    EXPECT_FALSE(pack.canShow("German", WesternCodePage)) << "not in the file";
    EXPECT_TRUE(pack.canShow("Russian", [](std::u16string_view) { return true; }));
}

TEST_F(LanguagePackTest, StringEntriesFollowTheirRules) {
    auto pack = PackWithFile(R"(<strings><English>
        <string id="131" string="first"/>
        <string id="131" string="second"/>
        <string id="132"/>
        <string id="133" string="line&#x0A;break and&#x09;tab &amp; &quot;quotes&quot;"/>
        <menu id="128">
            <string id="0" string="zero"/>
            <string id="4" string="four"/>
            <menu id="0"><string id="0" string="nested"/><menu id="2"><string id="1" string="deeper"/></menu></menu>
        </menu>
    </English></strings>)");
    ASSERT_TRUE(pack.setLanguage("English"));
    EXPECT_EQ(pack.getString(IDS_KIND_GROUP), "second");
    EXPECT_EQ(pack.getString(IDS_KIND_DATABASE), "Database") << "an entry without text is skipped";
    EXPECT_EQ(pack.getString(IDS_KIND_PASSCARD), "line\nbreak and\ttab & \"quotes\"");

    const MenuTexts* menu = pack.menuTexts(128);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->texts, (std::map<int, std::string>{{0, "zero"}, {4, "four"}}));
    ASSERT_EQ(menu->submenus.count(0), 1U);
    EXPECT_EQ(menu->submenus.at(0).texts.at(0), "nested");
    EXPECT_EQ(menu->submenus.at(0).submenus.at(2).texts.at(1), "deeper");
    EXPECT_EQ(pack.menuTexts(219), nullptr);
}

} // namespace
} // namespace vaultlet

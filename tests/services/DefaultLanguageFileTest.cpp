// Checks the language file compiled into the program and the built-in string table against each
// other and against the code that uses them.
#include "services/BuiltinStringTable.h"
#include "services/EmbeddedLanguageFile.h"
#include "services/LanguagePack.h"

#include "resources/StringIds.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

namespace vaultlet {
namespace {

using tinyxml2::XMLElement;

// A file of the source tree, found lexically from the fixture folder (tests/data).
std::string SourcePath(const std::string& relative) {
    const std::string data = test::DataPath("");
    const std::string suffix = "tests/data/";
    return data.substr(0, data.size() - suffix.size()) + relative;
}

// name -> value of every decimal "#define PREFIX_... N" of a header.
std::map<std::string, int> DefinedIds(const std::string& header, const std::string& prefix) {
    const std::string text = test::ReadFileBytes(SourcePath(header));
    EXPECT_FALSE(text.empty()) << header;
    std::map<std::string, int> ids;
    const std::regex define("#define[ \\t]+(" + prefix + "[A-Z0-9_]+)[ \\t]+([0-9]+)\\b");
    for (std::sregex_iterator it(text.begin(), text.end(), define), end; it != end; ++it) {
        ids[(*it)[1]] = std::stoi((*it)[2]);
    }
    return ids;
}

// The printf conversions of a text, in order: translations must take the same arguments.
std::vector<std::string> Conversions(const std::string& text) {
    std::vector<std::string> found;
    const std::regex conversion("%[-0-9]*[sdcuxX]");
    for (std::sregex_iterator it(text.begin(), text.end(), conversion), end; it != end; ++it) {
        found.push_back(it->str());
    }
    return found;
}

struct Section {
    std::map<int, std::string> strings;
    std::map<int, MenuTexts> menus;
};

void ReadMenu(const XMLElement& menu, MenuTexts& texts, const std::string& where) {
    for (const XMLElement* child = menu.FirstChildElement(); child != nullptr; child = child->NextSiblingElement()) {
        const std::string name = child->Name();
        int id = -1;
        ASSERT_EQ(child->QueryIntAttribute("id", &id), tinyxml2::XML_SUCCESS) << where;
        if (name == "string") {
            ASSERT_NE(child->Attribute("string"), nullptr) << where << " position " << id;
            EXPECT_TRUE(texts.texts.emplace(id, child->Attribute("string")).second) << where << " twice " << id;
        } else {
            ASSERT_EQ(name, "menu") << where;
            EXPECT_EQ(texts.submenus.count(id), 0U) << where << " submenu twice " << id;
            ReadMenu(*child, texts.submenus[id], where + "/" + std::to_string(id));
        }
    }
}

// Reads one language section strictly: only "string" and "menu" children, numeric ids, no id twice.
Section ReadSection(const XMLElement& language) {
    Section section;
    for (const XMLElement* child = language.FirstChildElement(); child != nullptr;
         child = child->NextSiblingElement()) {
        const std::string name = child->Name();
        int id = 0;
        EXPECT_EQ(child->QueryIntAttribute("id", &id), tinyxml2::XML_SUCCESS) << language.Name();
        if (name == "string") {
            const char* text = child->Attribute("string");
            EXPECT_NE(text, nullptr) << language.Name() << " " << id;
            EXPECT_NE(id, 0) << language.Name();
            EXPECT_TRUE(section.strings.emplace(id, text != nullptr ? text : "").second)
                << language.Name() << " has string " << id << " twice";
        } else {
            EXPECT_EQ(name, "menu") << language.Name();
            EXPECT_EQ(section.menus.count(id), 0U) << language.Name() << " has menu " << id << " twice";
            ReadMenu(*child, section.menus[id], std::string(language.Name()) + " menu " + std::to_string(id));
        }
    }
    return section;
}

std::set<std::string> Positions(const MenuTexts& texts, const std::string& prefix = "") {
    std::set<std::string> positions;
    for (const auto& entry : texts.texts) {
        positions.insert(prefix + std::to_string(entry.first));
    }
    for (const auto& [position, submenu] : texts.submenus) {
        for (const auto& nested : Positions(submenu, prefix + std::to_string(position) + "/")) {
            positions.insert(nested);
        }
    }
    return positions;
}

class DefaultLanguageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string_view file = EmbeddedLanguageFile();
        ASSERT_FALSE(file.empty());
        m_bytes = std::string(file);
        ASSERT_EQ(m_document.Parse(m_bytes.data(), m_bytes.size()), tinyxml2::XML_SUCCESS) << m_document.ErrorStr();
        const XMLElement* root = m_document.FirstChildElement("strings");
        ASSERT_NE(root, nullptr);
        for (const XMLElement* language = root->FirstChildElement(); language != nullptr;
             language = language->NextSiblingElement()) {
            m_order.push_back(language->Name());
            m_sections[language->Name()] = ReadSection(*language);
        }
    }

    std::string m_bytes;
    tinyxml2::XMLDocument m_document;
    std::vector<std::string> m_order;
    std::map<std::string, Section> m_sections;
};

TEST_F(DefaultLanguageFileTest, IsTheFileOfTheResourcesFolder) {
    EXPECT_TRUE(m_bytes == test::ReadFileBytes(SourcePath("resources/vaultlet_lang.xml")));
    EXPECT_EQ(m_bytes.rfind("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0U);
    EXPECT_EQ(m_order, (std::vector<std::string>{"English", "Russian", "Ukrainian"}));
}

TEST_F(DefaultLanguageFileTest, EverySectionCoversTheSameIdsAndMenuPositions) {
    const Section& english = m_sections.at("English");
    EXPECT_EQ((std::set<int>{128, 219, 220, 270}), [&] {
        std::set<int> ids;
        for (const auto& entry : english.menus) {
            ids.insert(entry.first);
        }
        return ids;
    }());
    for (const auto& [name, section] : m_sections) {
        std::set<int> ids;
        for (const auto& [id, text] : section.strings) {
            ids.insert(id);
            EXPECT_FALSE(text.empty()) << name << " " << id;
            ASSERT_EQ(english.strings.count(id), 1U) << name << " has " << id << " which English lacks";
            EXPECT_EQ(Conversions(text), Conversions(english.strings.at(id))) << name << " " << id;
        }
        EXPECT_EQ(ids.size(), english.strings.size()) << name;
        ASSERT_EQ(section.menus.size(), english.menus.size()) << name;
        for (const auto& [menuId, texts] : english.menus) {
            ASSERT_EQ(section.menus.count(menuId), 1U) << name << " lacks menu " << menuId;
            EXPECT_EQ(Positions(section.menus.at(menuId)), Positions(texts)) << name << " menu " << menuId;
        }
    }
}

TEST_F(DefaultLanguageFileTest, IdsAreStringsOrDialogControls) {
    const auto controls = DefinedIds("resources/resource.h", "IDC_");
    std::set<int> controlIds = {1, 2}; // the dialogs' OK and Cancel buttons
    for (const auto& entry : controls) {
        controlIds.insert(entry.second);
    }
    const auto builtin = BuiltinStringTable::Ids();
    const std::set<int> builtinIds(builtin.begin(), builtin.end());
    for (const auto& [name, section] : m_sections) {
        for (const auto& entry : section.strings) {
            EXPECT_TRUE(builtinIds.count(entry.first) == 1 || controlIds.count(entry.first) == 1)
                << name << ": " << entry.first << " is neither a string nor a control id";
        }
        for (const int id : builtin) {
            EXPECT_EQ(section.strings.count(id), 1U) << name << " lacks string " << id;
        }
    }
}

TEST_F(DefaultLanguageFileTest, EnglishMatchesTheBuiltInTableWhereItShould) {
    const Section& english = m_sections.at("English");
    for (const int id : BuiltinStringTable::Ids()) {
        if (id == IDS_INVALID_PASSWORD || id == IDS_PASSWORDS_DIFFER) {
            continue;
        }
        EXPECT_EQ(english.strings.at(id), BuiltinStringTable::Find(id)) << id;
    }
    EXPECT_EQ(english.strings.at(IDS_INVALID_PASSWORD), "Invalid password. Please type your password again.");
    EXPECT_EQ(std::string(BuiltinStringTable::Find(IDS_INVALID_PASSWORD)),
              "Invalid password. Please retype the password.");
    EXPECT_EQ(english.strings.at(IDS_PASSWORDS_DIFFER),
              "The password you typed do not match. Please type your password again.");
}

TEST_F(DefaultLanguageFileTest, EveryLanguageLoadsThroughTheLanguagePack) {
    LanguagePack pack(m_bytes);
    EXPECT_EQ(pack.availableLanguages(), m_order);
    for (const auto& name : m_order) {
        ASSERT_TRUE(pack.setLanguage(name)) << name;
        EXPECT_EQ(pack.getString(IDS_PRODUCT_TITLE), "Quillmoth Keyhaven");
        ASSERT_NE(pack.menuTexts(128), nullptr);
        EXPECT_EQ(Positions(*pack.menuTexts(128)), Positions(m_sections.at(name).menus.at(128)));
    }
}

TEST(BuiltinStringTableTest, EveryStringIdOfTheCodeHasABuiltInText) {
    const auto named = DefinedIds("resources/StringIds.h", "IDS_");
    ASSERT_GT(named.size(), 50U);
    std::set<int> numbers;
    for (const auto& [name, id] : named) {
        EXPECT_TRUE(numbers.insert(id).second) << name << " reuses " << id;
        const char* text = BuiltinStringTable::Find(id);
        ASSERT_NE(text, nullptr) << name;
        EXPECT_NE(std::string(text), "") << name;
    }

    // Every IDS_ name that source code mentions must be one of those.
    const std::regex use("\\bIDS_[A-Z0-9_]+\\b");
    std::set<std::string> used;
    for (const char* folder : {"core", "exchange", "autofill", "services", "shell", "cli"}) {
        const std::filesystem::path root(SourcePath(folder));
        if (!std::filesystem::exists(root)) {
            continue;
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const auto extension = entry.path().extension();
            if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) {
                continue;
            }
            const std::string text = test::ReadFileBytes(entry.path().string());
            for (std::sregex_iterator it(text.begin(), text.end(), use), end; it != end; ++it) {
                used.insert(it->str());
            }
        }
    }
    for (const auto& name : used) {
        EXPECT_EQ(named.count(name), 1U) << name << " is used by the code but not defined in StringIds.h";
    }
}

TEST(BuiltinStringTableTest, LooksUpByIdAndKnowsWhatItLacks) {
    EXPECT_STREQ(BuiltinStringTable::Find(IDS_PRODUCT_TITLE), "Quillmoth Keyhaven");
    EXPECT_EQ(BuiltinStringTable::Find(0), nullptr);
    EXPECT_EQ(BuiltinStringTable::Find(127), nullptr);
    const auto ids = BuiltinStringTable::Ids();
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
}

} // namespace
} // namespace vaultlet

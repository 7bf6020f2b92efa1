// Checks the language file compiled into the program and the built-in string table against each
// other and against the code that uses them.
#include "services/BuiltinStringTable.h"
#include "services/EmbeddedLanguageFile.h"
#include "services/LanguagePack.h"

#include "resources/StringIds.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <map>
#include <regex>
#include <set>

namespace vaultlet {
namespace {

using tinyxml2::XMLElement;

// The printf conversions of a text, in order: translations must take the same arguments.
std::vector<std::string> Conversions(const std::string& text) {
    std::vector<std::string> found;
    const std::regex conversion("%[-0-9]*[sdcuxX]");
    for (std::sregex_iterator it(text.begin(), text.end(), conversion), end; it != end; ++it) {
        found.push_back(it->str());
    }
    return found;
}

// Reads the children of a language section or of a menu strictly: "string" children into texts,
// "menu" children into submenus, each with a numeric id given once.
void ReadTexts(const XMLElement& parent, MenuTexts& read, const std::string& where) {
    for (const XMLElement* child = parent.FirstChildElement(); child != nullptr; child = child->NextSiblingElement()) {
        int id = -1;
        ASSERT_EQ(child->QueryIntAttribute("id", &id), tinyxml2::XML_SUCCESS) << where;
        const std::string name = child->Name();
        const std::string at = where + " " + name + " " + std::to_string(id);
        if (name == "string") {
            ASSERT_NE(child->Attribute("string"), nullptr) << at;
            EXPECT_TRUE(read.texts.emplace(id, child->Attribute("string")).second) << at << " twice";
        } else {
            ASSERT_EQ(name, "menu") << at;
            EXPECT_EQ(read.submenus.count(id), 0U) << at << " twice";
            ReadTexts(*child, read.submenus[id], at);
        }
    }
}

// The ids of a section's strings; its menus are checked against the program's real menus
// (LanguagePackWindowsTest), which only the Windows build has.
std::set<int> StringIds(const MenuTexts& section) {
    std::set<int> ids;
    for (const auto& entry : section.texts) {
        ids.insert(entry.first);
    }
    return ids;
}

class DefaultLanguageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string_view file = EmbeddedLanguageFile();
        ASSERT_FALSE(file.empty());
        ASSERT_EQ(m_document.Parse(file.data(), file.size()), tinyxml2::XML_SUCCESS) << m_document.ErrorStr();
        const XMLElement* root = m_document.FirstChildElement("strings");
        ASSERT_NE(root, nullptr);
        for (const XMLElement* language = root->FirstChildElement(); language != nullptr;
             language = language->NextSiblingElement()) {
            m_order.push_back(language->Name());
            ReadTexts(*language, m_sections[language->Name()], language->Name());
        }
    }

    tinyxml2::XMLDocument m_document;
    std::vector<std::string> m_order;
    std::map<std::string, MenuTexts> m_sections;
};

TEST_F(DefaultLanguageFileTest, HoldsTheThreeLanguages) {
    EXPECT_EQ(m_order, (std::vector<std::string>{"English", "Russian", "Ukrainian"}));
}

TEST_F(DefaultLanguageFileTest, EverySectionCoversTheSameStringIds) {
    const MenuTexts& english = m_sections.at("English");
    for (const auto& [name, section] : m_sections) {
        EXPECT_EQ(StringIds(section), StringIds(english)) << name;
        for (const auto& [id, text] : section.texts) {
            EXPECT_FALSE(text.empty()) << name << " " << id;
            EXPECT_EQ(Conversions(text), Conversions(english.texts.at(id))) << name << " " << id;
        }
    }
}

TEST_F(DefaultLanguageFileTest, IdsAreStringsOrDialogControlsAndEnglishIsTheBuiltInTable) {
    const auto controls = test::DefinedIds("resources/resource.h", "IDC_");
    std::set<int> controlIds = {1, 2}; // the dialogs' OK and Cancel buttons
    for (const auto& entry : controls) {
        controlIds.insert(entry.second);
    }
    const auto builtin = BuiltinStringTable::Ids();
    const std::set<int> builtinIds(builtin.begin(), builtin.end());
    for (const auto& [name, section] : m_sections) {
        for (const auto& entry : section.texts) {
            EXPECT_TRUE(builtinIds.count(entry.first) == 1 || controlIds.count(entry.first) == 1)
                << name << ": " << entry.first << " is neither a string nor a control id";
        }
    }
    // English, and so every language, has every string; it matches the built-in table where it should.
    const auto& english = m_sections.at("English").texts;
    for (const int id : builtin) {
        ASSERT_EQ(english.count(id), 1U) << "English lacks string " << id;
        if (id == IDS_INVALID_PASSWORD || id == IDS_PASSWORDS_DIFFER) {
            continue;
        }
        EXPECT_EQ(english.at(id), BuiltinStringTable::Find(id)) << id;
    }
}

// Every id StringIds.h names has a text of its own; code naming an id the header lacks does not compile.
TEST(BuiltinStringTableTest, LooksUpByIdAndEveryStringIdOfTheCodeHasABuiltInText) {
    const auto named = test::DefinedIds("resources/StringIds.h", "IDS_");
    ASSERT_GT(named.size(), 50U);
    std::set<int> numbers;
    for (const auto& [name, id] : named) {
        EXPECT_TRUE(numbers.insert(id).second) << name << " reuses " << id;
        const char* text = BuiltinStringTable::Find(id);
        ASSERT_NE(text, nullptr) << name;
        EXPECT_NE(std::string(text), "") << name;
    }
}

} // namespace
} // namespace vaultlet

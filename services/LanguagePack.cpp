#include "services/LanguagePack.h"

#include "services/BuiltinStringTable.h"
#include "services/EmbeddedLanguageFile.h"

#include <tinyxml2.h>

#include <filesystem>
#include <utility>

namespace vaultlet {
namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

constexpr const char* kRootElement = "strings";
constexpr const char* kStringElement = "string";
constexpr const char* kMenuElement = "menu";
constexpr const char* kFallbackLanguage = "English";
// Languages a file may carry that are never offered in the Language menu.
constexpr const char* kHiddenLanguages[] = {"Korean", "Japan"};

// Opens the language source anew: the file beside the executable when it loads and parses (the
// compiled-in file is then not consulted at all), else the compiled-in file. Null when neither
// gives a document with a root element.
const XMLElement* OpenSource(XMLDocument& document, const std::string& folder, std::string_view embedded) {
    if (!folder.empty()) {
        const std::string path = (std::filesystem::path(folder) / LanguagePack::kFileName).string();
        if (document.LoadFile(path.c_str()) == tinyxml2::XML_SUCCESS) {
            return document.FirstChildElement(kRootElement);
        }
    }
    document.Clear();
    if (embedded.empty() || document.Parse(embedded.data(), embedded.size()) != tinyxml2::XML_SUCCESS) {
        return nullptr;
    }
    return document.FirstChildElement(kRootElement);
}

std::string ToAnsi(const char* utf8) {
    return std::string(Utf8ToAnsi(utf8).Viewed());
}

// Every "string" attribute of the element and of all elements below it passes the test.
bool AllTextsPass(const XMLElement& element, LanguagePack::ExactText exact) {
    if (const char* text = element.Attribute(kStringElement)) {
        if (!exact(Utf8ToUtf16(text).Viewed())) {
            return false;
        }
    }
    for (auto* child = element.FirstChildElement(); child != nullptr; child = child->NextSiblingElement()) {
        if (!AllTextsPass(*child, exact)) {
            return false;
        }
    }
    return true;
}

MenuTexts ReadMenu(const XMLElement& menu) {
    MenuTexts texts;
    for (auto* item = menu.FirstChildElement(kStringElement); item != nullptr;
         item = item->NextSiblingElement(kStringElement)) {
        if (const char* text = item->Attribute(kStringElement)) {
            // Position 0 is the first item, so a missing id is a valid position here.
            texts.texts[item->IntAttribute("id", 0)] = ToAnsi(text);
        }
    }
    for (auto* submenu = menu.FirstChildElement(kMenuElement); submenu != nullptr;
         submenu = submenu->NextSiblingElement(kMenuElement)) {
        texts.submenus[submenu->IntAttribute("id", 0)] = ReadMenu(*submenu);
    }
    return texts;
}

} // namespace

LanguagePack& LanguagePack::Instance() {
    // A function-local static is created exactly once even when two threads ask at the same time.
    static LanguagePack instance(EmbeddedLanguageFile());
    return instance;
}

LanguagePack::LanguagePack(std::string_view embeddedFile) : m_embedded(embeddedFile) {}

void LanguagePack::setExecutableFolder(std::string folder) {
    m_folder = std::move(folder);
}

std::vector<std::string> LanguagePack::availableLanguages() const {
    std::vector<std::string> names;
    XMLDocument document;
    const XMLElement* source = OpenSource(document, m_folder, m_embedded);
    if (source == nullptr) {
        return names;
    }
    for (auto* language = source->FirstChildElement(); language != nullptr; language = language->NextSiblingElement()) {
        const std::string name = language->Name();
        bool hidden = false;
        for (const char* excluded : kHiddenLanguages) {
            hidden = hidden || name == excluded;
        }
        if (!hidden) {
            names.push_back(name);
        }
    }
    return names;
}

bool LanguagePack::canShow(const std::string& name, ExactText exact) const {
    XMLDocument document;
    const XMLElement* source = OpenSource(document, m_folder, m_embedded);
    const XMLElement* language = source == nullptr ? nullptr : source->FirstChildElement(name.c_str());
    return language != nullptr && AllTextsPass(*language, exact);
}

bool LanguagePack::setLanguage(const std::string& name) {
    m_strings.clear();
    m_menus.clear();
    XMLDocument document;
    const XMLElement* source = OpenSource(document, m_folder, m_embedded);
    if (source == nullptr) {
        return false;
    }
    const XMLElement* language = source->FirstChildElement(name.c_str());
    if (language == nullptr) {
        language = source->FirstChildElement(kFallbackLanguage);
    }
    if (language == nullptr) {
        return false;
    }
    for (auto* entry = language->FirstChildElement(kStringElement); entry != nullptr;
         entry = entry->NextSiblingElement(kStringElement)) {
        const int id = entry->IntAttribute("id", 0);
        const char* text = entry->Attribute(kStringElement);
        if (id != 0 && text != nullptr) {
            m_strings[id] = ToAnsi(text);
        }
    }
    for (auto* menu = language->FirstChildElement(kMenuElement); menu != nullptr;
         menu = menu->NextSiblingElement(kMenuElement)) {
        m_menus[menu->IntAttribute("id", 0)] = ReadMenu(*menu);
    }
    if (m_strings.empty()) {
        return false;
    }
    m_name = name;
    return true;
}

std::string LanguagePack::getString(int id) const {
    const auto found = m_strings.find(id);
    if (found != m_strings.end()) {
        return found->second;
    }
    const char* builtin = BuiltinStringTable::Find(id);
    return builtin != nullptr ? builtin : "";
}

const MenuTexts* LanguagePack::menuTexts(int menuId) const {
    const auto found = m_menus.find(menuId);
    return found != m_menus.end() ? &found->second : nullptr;
}

} // namespace vaultlet

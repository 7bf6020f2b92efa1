#pragma once

#include "core/TextConversion.h"
#include "services/MenuTexts.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

struct HWND__;
struct HMENU__;

namespace vaultlet {

// The texts of the interface language in use: strings by id and menu item texts by menu and
// position, read from a language file. A file "vaultlet_lang.xml" beside the executable takes
// the place of the file compiled into the program. Whatever the language lacks, the built-in
// English string table answers. No error is ever reported: every failure falls back.
class LanguagePack {
public:
    static constexpr const char* kFileName = "vaultlet_lang.xml";

    // The process's pack, created on first use (thread-safe) and destroyed at exit; it reads
    // the compiled-in default file.
    static LanguagePack& Instance();

    // A pack of its own whose compiled-in default file is embeddedFile (which must outlive it).
    explicit LanguagePack(std::string_view embeddedFile);

    // The folder of the running executable, where a language file of the user's may lie. The
    // shell passes it at start-up; until then only the compiled-in file is read.
    void setExecutableFolder(std::string folder);

    // Names of the languages of the source, in document order; "Korean" and "Japan" are never
    // listed (they can still be loaded by name).
    std::vector<std::string> availableLanguages() const;
    // Whether the system can show the language: every text of it (strings and menu texts) passes
    // `exact`, which tells whether the system's code page holds a text exactly. A language in
    // another script turns into question marks on a system whose code page lacks its letters.
    // False for a language the source lacks.
    using ExactText = bool (*)(std::u16string_view text);
    bool canShow(const std::string& name, ExactText exact = IsExactInAnsi) const;
    // Loads the language name, or "English" of the same source when it lacks name. True when at
    // least one string was read; only then does the pack take the name.
    bool setLanguage(const std::string& name);
    const std::string& languageName() const { return m_name; }

    // The language's text for id, else the built-in table's, else empty.
    std::string getString(int id) const;
    // The menu texts for a menu resource id, or nullptr.
    const MenuTexts* menuTexts(int menuId) const;

    // Windows only: retitles the window's child controls (and their children) that have a text
    // in the language, by control id; other windows keep their text.
    void translateWindow(HWND__* window) const;
    // Windows only: replaces the item texts of menu by those of menuId, keeping ids and submenus.
    void translateMenu(HMENU__* menu, int menuId) const;

private:
    std::string m_folder;
    std::string_view m_embedded;
    std::string m_name = "English";
    std::map<int, std::string> m_strings;
    std::map<int, MenuTexts> m_menus;
};

} // namespace vaultlet

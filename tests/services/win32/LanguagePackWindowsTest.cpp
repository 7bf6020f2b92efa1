#include "services/LanguagePack.h"

#include "resources/resource.h"
#include "services/EmbeddedLanguageFile.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace vaultlet {
namespace {

// Texts of these tests, in plain ASCII so they survive any ANSI code page.
constexpr std::string_view kTestFile = R"(<strings><Test>
    <string id="1200" string="Label text"/>
    <string id="1" string="Fine"/>
    <string id="1302" string="Nested check box"/>
    <menu id="128">
        <string id="0" string="Fichier"/>
        <string id="3" string="Options!"/>
        <menu id="0"><string id="0" string="Nouveau"/><string id="4" string="not a separator"/></menu>
        <menu id="1"><menu id="0"><string id="2" string="Add an item"/></menu></menu>
    </menu>
</Test></strings>)";

std::string WindowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string MenuText(HMENU menu, int position) {
    char text[512] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

HWND Child(HWND parent, const char* className, const char* text, int id) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

struct WindowOwner {
    HWND window;
    ~WindowOwner() { DestroyWindow(window); }
};

struct MenuOwner {
    HMENU menu;
    ~MenuOwner() { DestroyMenu(menu); }
};

HMENU LoadProgramMenu(int id) {
    return LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

TEST(LanguagePackWindowsTest, TranslateWindowRetitlesControlsByIdDepthFirst) {
    // A top-level window's id field holds its menu handle; even when that number has a text in
    // the language, the window keeps its title, because only child windows have control ids.
    HMENU menu = CreateMenu();
    HWND top = CreateWindowExA(0, "STATIC", "Top", WS_POPUP, 0, 0, 300, 200, nullptr, menu, GetModuleHandleA(nullptr),
                               nullptr);
    ASSERT_NE(top, nullptr);
    WindowOwner owner{top};
    const int menuSlot = GetDlgCtrlID(top);
    std::string file(kTestFile);
    file.insert(file.find("<Test>") + 6,
                "<string id=\"" + std::to_string(menuSlot) + "\" string=\"Top-level title\"/>");
    LanguagePack pack(file);
    ASSERT_TRUE(pack.setLanguage("Test"));

    HWND label = Child(top, "STATIC", "Label", IDC_LOGIN_DATABASE_LABEL);
    HWND ok = Child(top, "BUTTON", "OK", IDOK);
    HWND untouched = Child(top, "EDIT", "keep me", IDC_LOGIN_PASSWORD);
    HWND group = Child(top, "STATIC", "container", IDC_SETTINGS_TABS);
    HWND nested = Child(group, "BUTTON", "nested", IDC_SETTINGS_SHOW_TRAY_ICON);
    ASSERT_TRUE(label && ok && untouched && group && nested);

    pack.translateWindow(top);
    EXPECT_EQ(WindowText(top), "Top");
    EXPECT_EQ(WindowText(label), "Label text");
    EXPECT_EQ(WindowText(ok), "Fine");
    EXPECT_EQ(WindowText(untouched), "keep me");
    EXPECT_EQ(WindowText(group), "container");
    EXPECT_EQ(WindowText(nested), "Nested check box");

    pack.translateWindow(nullptr); // no window, no harm
}

TEST(LanguagePackWindowsTest, TranslateMenuKeepsIdsAndSubmenus) {
    LanguagePack pack(kTestFile);
    ASSERT_TRUE(pack.setLanguage("Test"));
    MenuOwner main{LoadProgramMenu(IDR_MAIN_MENU)};
    ASSERT_NE(main.menu, nullptr);
    HMENU file = GetSubMenu(main.menu, 0);
    HMENU edit = GetSubMenu(main.menu, 1);
    HMENU add = GetSubMenu(edit, 0);
    const int separatorsBefore = GetMenuItemCount(file);

    pack.translateMenu(main.menu, IDR_MAIN_MENU);
    EXPECT_EQ(MenuText(main.menu, 0), "Fichier");
    EXPECT_EQ(GetSubMenu(main.menu, 0), file) << "the popup stays attached";
    EXPECT_EQ(MenuText(main.menu, 3), "Options!");
    EXPECT_EQ(MenuText(file, 0), "Nouveau");
    EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(ID_FILE_NEW));
    EXPECT_EQ(MenuText(file, 1), "&Open...\tCtrl+O") << "items without a text keep theirs";
    EXPECT_EQ(GetMenuItemCount(file), separatorsBefore);
    EXPECT_EQ(GetSubMenu(edit, 0), add);
    EXPECT_EQ(MenuText(add, 2), "Add an item");
    EXPECT_EQ(GetMenuItemID(add, 2), static_cast<UINT>(ID_EDIT_ADD_ITEM));

    // A menu id the language has no texts for is left alone.
    MenuOwner tray{LoadProgramMenu(IDR_TRAY_MENU)};
    pack.translateMenu(tray.menu, IDR_TRAY_MENU);
    EXPECT_EQ(MenuText(GetSubMenu(tray.menu, 0), 0), "&Show Main Window");
}

// Every item of the real menus has a text in every language of the default file, and every text
// of the file names an existing item: the positions agree with the menus as they are built.
void ExpectCovers(HMENU menu, const MenuTexts& texts, const std::string& where) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item));
        const bool separator = (item.fType & MFT_SEPARATOR) != 0;
        EXPECT_EQ(texts.texts.count(position), separator ? 0U : 1U) << where << " position " << position;
        EXPECT_EQ(texts.submenus.count(position), item.hSubMenu != nullptr ? 1U : 0U) << where << " " << position;
        if (item.hSubMenu != nullptr && texts.submenus.count(position) == 1) {
            ExpectCovers(item.hSubMenu, texts.submenus.at(position), where + "/" + std::to_string(position));
        }
    }
    for (const auto& entry : texts.texts) {
        EXPECT_LT(entry.first, count) << where << " has a text for a missing position";
    }
}

TEST(LanguagePackWindowsTest, TheDefaultFileCoversEveryMenuOfTheProgram) {
    LanguagePack pack(EmbeddedLanguageFile());
    const auto languages = pack.availableLanguages();
    ASSERT_EQ(languages.size(), 3U);
    for (const auto& language : languages) {
        ASSERT_TRUE(pack.setLanguage(language));
        for (const int id : {IDR_MAIN_MENU, IDR_TRAY_MENU, IDR_PASSWORD_TRAY_MENU, IDR_EXPIRATION_MENU}) {
            MenuOwner menu{LoadProgramMenu(id)};
            ASSERT_NE(menu.menu, nullptr) << id;
            ASSERT_NE(pack.menuTexts(id), nullptr) << language << " " << id;
            ExpectCovers(menu.menu, *pack.menuTexts(id), language + " menu " + std::to_string(id));
        }
    }
}

// The program reads only its title from the resources' string table, and the end-to-end tests find
// its windows by that title; the texts it shows come from the language pack.
TEST(LanguagePackWindowsTest, TheResourcesHoldTheShortcutsAndTheIcon) {
    HMODULE module = GetModuleHandleA(nullptr);
    HACCEL accelerators = LoadAcceleratorsA(module, MAKEINTRESOURCEA(IDR_MAIN_ACCELERATORS));
    ASSERT_NE(accelerators, nullptr);
    ACCEL table[64];
    const int count = CopyAcceleratorTableA(accelerators, table, 64);
    auto bound = [&](WORD key, BYTE modifiers) {
        for (int i = 0; i < count; ++i) {
            if (table[i].key == key && (table[i].fVirt & ~FNOINVERT) == (FVIRTKEY | modifiers)) {
                return static_cast<int>(table[i].cmd);
            }
        }
        return 0;
    };
    EXPECT_EQ(bound('N', FCONTROL), ID_FILE_NEW);
    EXPECT_EQ(bound('N', FCONTROL | FSHIFT), ID_EDIT_NEW_LOGIN);
    EXPECT_EQ(bound(VK_ESCAPE, 0), ID_ESCAPE);
    // A key with its modifiers runs one command: a second binding would never be reached.
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            EXPECT_FALSE(table[i].key == table[j].key && (table[i].fVirt & ~FNOINVERT) == (table[j].fVirt & ~FNOINVERT))
                << "key " << table[i].key << " is bound to " << table[i].cmd << " and " << table[j].cmd;
        }
    }
    DestroyAcceleratorTable(accelerators);

    // The node icons in their order are SharedIconsTest's.
    HICON program =
        static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    EXPECT_NE(program, nullptr);
    DestroyIcon(program);
}

} // namespace
} // namespace vaultlet

#include "shell/win32/mainframe/MainMenu.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/CommandAvailability.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/TextFormat.h"
#include "shell/win32/mainframe/BookmarksMenu.h"
#include "shell/win32/mainframe/StatusBar.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace vaultlet {
namespace {

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

} // namespace

bool MainMenu::Build(HWND frame) const {
    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    if (menu == nullptr) {
        return false;
    }
    LanguagePack::Instance().translateMenu(menu, IDR_MAIN_MENU);
    InsertLanguages(menu);
    const HMENU previous = GetMenu(frame);
    SetMenu(frame, menu);
    if (previous != nullptr) {
        DestroyMenu(previous);
    }
    m_bookmarks.Rebuild(menu, CurrentDatabase::Get());
    return true;
}

void MainMenu::InsertLanguages(HMENU menu) {
    const HMENU options = GetSubMenu(menu, VAULTLET_MENU_POS_OPTIONS);
    const HMENU languages = CreatePopupMenu();
    const LanguagePack& language = LanguagePack::Instance();
    const std::vector<std::string> names = language.availableLanguages();
    for (std::size_t index = 0; index < names.size() && ID_LANGUAGE_FIRST + index <= ID_LANGUAGE_LAST; ++index) {
        const UINT id = static_cast<UINT>(ID_LANGUAGE_FIRST + index);
        if (language.canShow(names[index])) {
            AppendMenuA(languages, MF_STRING, id, names[index].c_str());
        } else {
            // Offered, it would turn every text into question marks: greyed, with the reason.
            const std::string hint = FormatText(language.getString(IDS_LANGUAGE_NOT_SHOWN), {names[index]});
            AppendMenuA(languages, MF_STRING | MF_GRAYED, id, hint.c_str());
        }
        if (names[index] == language.languageName()) {
            CheckMenuRadioItem(languages, id, id, id, MF_BYCOMMAND);
        }
    }
    const std::string title = language.getString(IDS_LANGUAGE_MENU);
    InsertMenuA(options, VAULTLET_OPTIONS_POS_LANGUAGE, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(languages),
                title.c_str());
}

void MainMenu::Update(HMENU popup, const FrameState& state) {
    const int count = GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        const UINT id = GetMenuItemID(popup, position);
        if (id == 0 || id == static_cast<UINT>(-1) || (id >= ID_BOOKMARK_FIRST && id <= ID_LANGUAGE_LAST)) {
            continue; // a separator, a popup, a bookmark or a language
        }
        const CommandState command = CommandStateOf(static_cast<int>(id), state);
        EnableMenuItem(popup, id, MF_BYCOMMAND | (command.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(popup, id, MF_BYCOMMAND | (command.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void MainMenu::ShowPrompt(UINT item, UINT flags, HMENU menu) const {
    const bool closed = menu == nullptr && flags == 0xFFFF;
    const bool entry = item >= ID_BOOKMARK_FIRST && item <= ID_LANGUAGE_LAST;
    if (closed || entry || (flags & (MF_POPUP | MF_SEPARATOR)) != 0) {
        m_status.SetText("");
        return;
    }
    m_status.SetText(FirstLine(LanguagePack::Instance().getString(static_cast<int>(item))));
}

void MainMenu::ShowContext(HWND frame, HWND control, bool isTree) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (isTree) {
        TVHITTESTINFO hit{};
        hit.pt = cursor;
        ScreenToClient(control, &hit.pt);
        const HTREEITEM item = TreeView_HitTest(control, &hit);
        if (item != nullptr) {
            TreeView_SelectItem(control, item);
        }
    }
    SetFocus(control);
    const HMENU edit = GetSubMenu(GetMenu(frame), VAULTLET_MENU_POS_EDIT);
    if (edit != nullptr) {
        TrackPopupMenu(edit, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, frame, nullptr);
    }
}

bool MainMenu::SwitchLanguage(int id) {
    LanguagePack& language = LanguagePack::Instance();
    const std::vector<std::string> names = language.availableLanguages();
    const std::size_t index = static_cast<std::size_t>(id - ID_LANGUAGE_FIRST);
    if (index >= names.size() || !language.canShow(names[index]) || !language.setLanguage(names[index])) {
        return false;
    }
    Settings::Write(setting::kLanguage, names[index]);
    return true;
}

} // namespace vaultlet

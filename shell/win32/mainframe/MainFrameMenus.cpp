// The main window's menus: built from the resources in the current language, with the "&Language"
// popup and the bookmark entries, their enable and check states, prompts and the context menu.
#include "core/Database.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/CommandAvailability.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/TextFormat.h"
#include "shell/win32/mainframe/MainFrame.h"

#include <string>

namespace vaultlet {
namespace {

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

} // namespace

bool MainFrame::BuildMenu() {
    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    if (menu == nullptr) {
        return false;
    }
    LanguagePack::Instance().translateMenu(menu, IDR_MAIN_MENU);
    InsertLanguageMenu(menu);
    const HMENU previous = GetMenu(Handle());
    SetMenu(Handle(), menu);
    if (previous != nullptr) {
        DestroyMenu(previous);
    }
    m_bookmarks.Rebuild(menu, CurrentDatabase::Get());
    return true;
}

void MainFrame::InsertLanguageMenu(HMENU menu) const {
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

void MainFrame::UpdateMenu(HMENU popup) const {
    const FrameState state = CurrentState();
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

void MainFrame::ShowMenuPrompt(UINT item, UINT flags, HMENU menu) const {
    const bool closed = menu == nullptr && flags == 0xFFFF;
    const bool entry = item >= ID_BOOKMARK_FIRST && item <= ID_LANGUAGE_LAST;
    if (closed || entry || (flags & (MF_POPUP | MF_SEPARATOR)) != 0) {
        m_status.SetText("");
        return;
    }
    m_status.SetText(FirstLine(LanguagePack::Instance().getString(static_cast<int>(item))));
}

void MainFrame::ShowContextMenu(HWND control) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (control == m_tree.Handle()) {
        // A right click selects the item under it first.
        TVHITTESTINFO hit{};
        hit.pt = cursor;
        ScreenToClient(control, &hit.pt);
        const HTREEITEM item = TreeView_HitTest(control, &hit);
        if (item != nullptr) {
            TreeView_SelectItem(control, item);
        }
    }
    SetFocus(control);
    const HMENU edit = GetSubMenu(GetMenu(Handle()), VAULTLET_MENU_POS_EDIT);
    if (edit != nullptr) {
        TrackPopupMenu(edit, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
    }
}

bool MainFrame::OnRangeCommand(int id) {
    if (id >= ID_BOOKMARK_FIRST && id <= ID_BOOKMARK_LAST) {
        if (m_tree.Select(m_bookmarks.PasscardOf(id))) {
            SetFocus(m_tree.Handle());
        }
        return true;
    }
    if (id >= ID_LANGUAGE_FIRST && id <= ID_LANGUAGE_LAST) {
        OnLanguage(id);
        return true;
    }
    return false;
}

void MainFrame::OnLanguage(int id) {
    const std::vector<std::string> names = LanguagePack::Instance().availableLanguages();
    const std::size_t index = static_cast<std::size_t>(id - ID_LANGUAGE_FIRST);
    if (index >= names.size() || !LanguagePack::Instance().canShow(names[index]) ||
        !LanguagePack::Instance().setLanguage(names[index])) {
        return;
    }
    Settings::Write(setting::kLanguage, names[index]);
    BuildMenu();
    RetitlePanes();
    RefreshStatus();
}

} // namespace vaultlet

// The Windows half of LanguagePack: applying the texts to live windows and menus.
#include "services/LanguagePack.h"

#include <windows.h>

namespace vaultlet {
namespace {

void ApplyMenuTexts(HMENU menu, const MenuTexts& texts) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        const auto text = texts.texts.find(position);
        if (text == texts.texts.end()) {
            continue;
        }
        // Only the text changes: the command id and the submenu of the item stay as they are.
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;
        item.dwTypeData = const_cast<char*>(text->second.c_str());
        SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item);
    }
    for (const auto& [position, submenuTexts] : texts.submenus) {
        if (position >= 0 && position < count) {
            if (HMENU submenu = GetSubMenu(menu, position)) {
                ApplyMenuTexts(submenu, submenuTexts);
            }
        }
    }
}

} // namespace

void LanguagePack::translateWindow(HWND window) const {
    if (window == nullptr || !IsWindow(window)) {
        return;
    }
    // Only child windows have a control id; a top-level window's id field holds its menu.
    if ((GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0) {
        const auto found = m_strings.find(GetDlgCtrlID(window));
        if (found != m_strings.end()) {
            SetWindowTextA(window, found->second.c_str());
        }
    }
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        translateWindow(child);
    }
}

void LanguagePack::translateMenu(HMENU menu, int menuId) const {
    const MenuTexts* texts = menuTexts(menuId);
    if (menu != nullptr && texts != nullptr) {
        ApplyMenuTexts(menu, *texts);
    }
}

} // namespace vaultlet

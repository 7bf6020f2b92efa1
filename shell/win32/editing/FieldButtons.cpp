#include "shell/win32/editing/FieldButtons.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/editing/PasswordGeneratorDialog.h"
#include "shell/win32/editing/VirtualKeyboard.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

namespace vaultlet {

void FieldButtons::SetUpPictureButton(HWND dialog, int buttonId, int iconId, int tipId, const ToolTip& toolTip) {
    const HWND button = GetDlgItem(dialog, buttonId);
    const HICON icon = SharedIcons::Picture(iconId, WindowDpi::Of(button));
    SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    toolTip.Add(button, LanguagePack::Instance().getString(tipId));
}

void FieldButtons::SetUpKeyboardButton(HWND dialog, int buttonId, const ToolTip& toolTip) {
    SetUpPictureButton(dialog, buttonId, IDI_KEYBOARD_BUTTON, IDS_TIP_VIRTUAL_KEYBOARD, toolTip);
}

void FieldButtons::SetUpGeneratorButton(HWND dialog, int buttonId, const ToolTip& toolTip) {
    SetUpPictureButton(dialog, buttonId, IDI_GENERATOR_BUTTON, IDS_TITLE_PASSWORD_GENERATOR, toolTip);
}

void FieldButtons::ToggleKeyboard(HWND field) {
    VirtualKeyboard::Toggle(field);
}

void FieldButtons::FillFromGenerator(HWND owner, HWND field) {
    RunPasswordGenerator(owner, field);
}

} // namespace vaultlet

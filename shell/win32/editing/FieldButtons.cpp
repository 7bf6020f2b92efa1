#include "shell/win32/editing/FieldButtons.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/editing/PasswordGeneratorDialog.h"
#include "shell/win32/editing/VirtualKeyboard.h"

namespace vaultlet {
namespace {

constexpr int kPictureSize = 16;

} // namespace

void FieldButtons::SetUpPictureButton(HWND dialog, int buttonId, int iconId, int tipId, const ToolTip& toolTip) {
    const HWND button = GetDlgItem(dialog, buttonId);
    // A shared icon belongs to the system, which releases it with the module.
    const auto icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                                    kPictureSize, kPictureSize, LR_SHARED));
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

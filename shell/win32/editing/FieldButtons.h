#pragma once

#include "shell/win32/ui/ToolTip.h"

#include <windows.h>

namespace vaultlet {

// The small picture buttons beside password fields: one opens or closes the virtual keyboard for the
// field, the other fills the field from the password generator. This gives them their picture and
// tooltip; the dialog routes their clicks to the two operations below.
class FieldButtons {
public:
    static void SetUpKeyboardButton(HWND dialog, int buttonId, const ToolTip& toolTip);
    static void SetUpGeneratorButton(HWND dialog, int buttonId, const ToolTip& toolTip);
    // Any other small button of the same kind: a 16-pixel picture and a tooltip from the string table.
    static void SetUpPictureButton(HWND dialog, int buttonId, int iconId, int tipId, const ToolTip& toolTip);

    // The keyboard button's click: closes the keyboard if it is open, else opens it for the field.
    static void ToggleKeyboard(HWND field);
    // The generator button's click: runs the generator with the field as its source and puts the
    // password into the field on OK.
    static void FillFromGenerator(HWND owner, HWND field);
};

} // namespace vaultlet

#pragma once

#include "shell/win32/ui/ToolTip.h"

#include <windows.h>

namespace vaultlet {

// The small picture buttons beside password fields: one opens the virtual keyboard for the field,
// the other fills it from the password generator. Both come from the virtual keyboard and the
// generator dialog, which are not part of this program yet: until they are, the buttons show their
// picture and tooltip but stay disabled.
class FieldButtons {
public:
    static void SetUpKeyboardButton(HWND dialog, int buttonId, const ToolTip& toolTip);
    static void SetUpGeneratorButton(HWND dialog, int buttonId, const ToolTip& toolTip);
};

} // namespace vaultlet

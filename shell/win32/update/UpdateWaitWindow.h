#pragma once

#include "shell/win32/ui/Dialog.h"

namespace vaultlet {

// The small window without a title that says a check the user asked for is running. Created
// modeless over the main window and destroyed when the check ends. No inputs or outputs.
class UpdateWaitWindow final : public Dialog {
public:
    UpdateWaitWindow();

protected:
    bool OnInit() override;
};

} // namespace vaultlet

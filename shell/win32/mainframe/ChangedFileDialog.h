#pragma once

#include "shell/win32/ui/Dialog.h"

namespace vaultlet {

// The question a save asks when another copy of the program changed the database file since it was
// read here, as a message box with four answers: Merge (the default), Overwrite, Save As, Cancel.
//
// No input. Output: RunModal returns the id of the button pressed (IDC_CHANGED_FILE_MERGE,
// IDC_CHANGED_FILE_OVERWRITE, IDC_CHANGED_FILE_SAVE_AS) or IDCANCEL.
class ChangedFileDialog final : public Dialog {
public:
    ChangedFileDialog();

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
};

} // namespace vaultlet

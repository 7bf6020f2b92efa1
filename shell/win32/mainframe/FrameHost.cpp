#include "shell/win32/mainframe/FrameHost.h"

#include "shell/win32/ui/Dialog.h"

namespace vaultlet {

INT_PTR FrameHost::RunDialog(Dialog& dialog) {
    BusyScope busy(*this);
    return dialog.RunModal(Frame());
}

} // namespace vaultlet

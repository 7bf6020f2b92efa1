#include "shell/win32/update/UpdateWaitWindow.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"

namespace vaultlet {

UpdateWaitWindow::UpdateWaitWindow() : Dialog(IDD_UPDATE_WAIT) {}

bool UpdateWaitWindow::OnInit() {
    LanguagePack::Instance().translateWindow(Handle());
    return false; // nothing in it takes the focus
}

} // namespace vaultlet

#include "shell/win32/ui/ControlClasses.h"

#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/LinkLabel.h"

namespace vaultlet {

void RegisterControlClasses() {
    HeaderBand::Register();
    LinkLabel::Register();
}

} // namespace vaultlet

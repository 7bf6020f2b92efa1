#pragma once

#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ScopedHandles.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// The program's name, version and purpose. No inputs or outputs.
class AboutDialog final : public Dialog {
public:
    AboutDialog();

protected:
    bool OnInit() override;

private:
    WindowIcons m_icons;
    UniqueGdiObject m_titleFont;
};

} // namespace vaultlet

#include "shell/AutofillSettings.h"

#include "shell/SettingKeys.h"
#include "shell/Settings.h"

namespace vaultlet {

AutofillOptions AutofillOptionsFromSettings() {
    AutofillOptions options;
    options.fromClipboard = Settings::Read(setting::kAutofillFromClipboard) != 0;
    options.keyHoldTime = Settings::Read(setting::kAutoTypeTimeout);
    return options;
}

} // namespace vaultlet

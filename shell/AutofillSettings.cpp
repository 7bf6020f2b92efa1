#include "shell/AutofillSettings.h"

#include "shell/ProgramOptions.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"

namespace vaultlet {

AutofillOptions AutofillOptionsFromSettings() {
    AutofillOptions options;
    options.fromClipboard = Settings::Read(setting::kAutofillFromClipboard) != 0;
    // The store may hold any number (another copy, an edited ini file): a pause per key beyond the
    // range would stall the typing for minutes.
    options.keyHoldTime = ProgramOptions::ClampAutoTypeTimeout(Settings::Read(setting::kAutoTypeTimeout));
    return options;
}

} // namespace vaultlet

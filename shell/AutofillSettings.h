#pragma once

#include "autofill/AutofillOptions.h"

namespace vaultlet {

// Auto-type's options as the settings store holds them now ("AutofillFromClipboard",
// "AutoTypeTimeout"); every fill asks again, so a changed setting applies to the next key.
AutofillOptions AutofillOptionsFromSettings();

} // namespace vaultlet

#pragma once

#include <functional>

namespace vaultlet {

// The settings auto-type depends on, supplied by the caller (which owns the settings store).
struct AutofillOptions {
    // "AutofillFromClipboard": item values are pasted through the clipboard; otherwise everything is
    // typed key by key.
    bool fromClipboard = true;
    // "AutoTypeTimeout": milliseconds each key is held down; negative values count as 0.
    int keyHoldTime = 30;
};

// Called afresh by every preparation and every send, so a changed setting takes effect at once.
using AutofillOptionsSource = std::function<AutofillOptions()>;

} // namespace vaultlet

#pragma once

#include <functional>

namespace vaultlet {

// The settings auto-type depends on, supplied by the caller (which owns the settings store).
struct AutofillOptions {
    // The longest a key is held down, whatever the settings store says: a second per key is already
    // more than any window needs, and a key held for minutes would freeze the desktop.
    static constexpr int kMaxKeyHoldTime = 1000;

    // "AutofillFromClipboard": item values are pasted through the clipboard; otherwise everything is
    // typed key by key.
    bool fromClipboard = true;
    // "AutoTypeTimeout": milliseconds each key is held down; negative values count as 0, larger ones
    // than kMaxKeyHoldTime as that.
    int keyHoldTime = 30;
};

// Called afresh by every preparation and every send, so a changed setting takes effect at once.
using AutofillOptionsSource = std::function<AutofillOptions()>;

} // namespace vaultlet

#pragma once

namespace vaultlet {

// What the clipboard countdown needs from the system clipboard at expiry: to remove the value it
// put there, and nothing that anyone copied since.
class ClipboardAccess {
public:
    enum class ClearOutcome {
        Cleared, // our value was there and the clipboard is now empty
        NotOurs, // the clipboard holds something else (or nothing): left alone
        Busy,    // our value is still there but the clipboard could not be opened
    };

    virtual ClearOutcome TryClear() = 0;

protected:
    ~ClipboardAccess() = default;
};

} // namespace vaultlet

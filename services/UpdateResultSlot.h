#pragma once

#include "services/UpdateOffer.h"

#include <mutex>
#include <optional>

namespace vaultlet {

// The newest offer a check found, handed from the check threads to the window that shows it. Checks
// run side by side (the login's, the main window's at start and the menu command's), so the offer
// is written and read whole under a lock: a reader never sees the version of one answer with the
// address of another.
class UpdateResultSlot {
public:
    // The process's slot. It is never destroyed: a check thread may still publish while the
    // program ends.
    static UpdateResultSlot& Instance();

    void Publish(UpdateOffer offer);
    // A copy of the last offer published, if any.
    std::optional<UpdateOffer> Latest() const;

private:
    mutable std::mutex m_lock;
    std::optional<UpdateOffer> m_latest;
};

} // namespace vaultlet

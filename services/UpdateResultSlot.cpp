#include "services/UpdateResultSlot.h"

namespace vaultlet {

UpdateResultSlot& UpdateResultSlot::Instance() {
    static auto* slot = new UpdateResultSlot;
    return *slot;
}

void UpdateResultSlot::Publish(UpdateOffer offer) {
    std::lock_guard<std::mutex> lock(m_lock);
    m_latest = std::move(offer);
}

std::optional<UpdateOffer> UpdateResultSlot::Latest() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_latest;
}

} // namespace vaultlet

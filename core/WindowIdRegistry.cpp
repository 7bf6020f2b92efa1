#include "core/WindowIdRegistry.h"

namespace vaultlet {

WindowIdRegistry& WindowIdRegistry::Instance() {
    static WindowIdRegistry registry;
    return registry;
}

bool WindowIdRegistry::IsRegistered(std::string_view windowId) const {
    return m_ids.find(windowId) != m_ids.end();
}

void WindowIdRegistry::Register(std::string_view windowId) {
    if (!windowId.empty() && !IsRegistered(windowId)) {
        m_ids.emplace(windowId);
    }
}

void WindowIdRegistry::Unregister(std::string_view windowId) {
    const auto found = m_ids.find(windowId);
    if (found != m_ids.end()) {
        m_ids.erase(found);
    }
}

void WindowIdRegistry::Reset() {
    m_ids.clear();
}

} // namespace vaultlet

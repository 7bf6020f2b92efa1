#include "core/ModifiedFlag.h"

#include <atomic>

namespace vaultlet {
namespace {

std::atomic<bool> g_modified{false};
std::atomic<std::uint64_t> g_raises{0};
std::atomic<ModifiedFlag::Listener> g_listener{nullptr};
std::atomic<void*> g_context{nullptr};

void Tell() noexcept {
    if (const ModifiedFlag::Listener listener = g_listener.load()) {
        listener(g_context.load());
    }
}

} // namespace

void ModifiedFlag::Raise() noexcept {
    g_raises.fetch_add(1);
    g_modified.store(true);
    Tell();
}

void ModifiedFlag::Clear() noexcept {
    g_modified.store(false);
    Tell();
}

bool ModifiedFlag::IsRaised() noexcept {
    return g_modified.load();
}

std::uint64_t ModifiedFlag::Raises() noexcept {
    return g_raises.load();
}

void ModifiedFlag::SetListener(Listener listener, void* context) noexcept {
    // The listener goes first and comes last, so it never runs with another listener's context.
    g_listener.store(nullptr);
    g_context.store(context);
    g_listener.store(listener);
}

} // namespace vaultlet

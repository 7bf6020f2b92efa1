#include "core/ModifiedFlag.h"

#include <atomic>

namespace vaultlet {
namespace {

std::atomic<bool> g_modified{false};

} // namespace

void ModifiedFlag::Raise() noexcept {
    g_modified.store(true);
}

void ModifiedFlag::Clear() noexcept {
    g_modified.store(false);
}

bool ModifiedFlag::IsRaised() noexcept {
    return g_modified.load();
}

} // namespace vaultlet

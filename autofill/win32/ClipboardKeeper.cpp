#include "autofill/win32/ClipboardKeeper.h"

#include <atomic>

namespace vaultlet {
namespace {

// Read by the crash handler, which may run on any thread.
std::atomic<ClipboardKeeper*> g_current{nullptr};

} // namespace

ClipboardKeeper* ClipboardKeeper::Current() noexcept {
    return g_current.load();
}

ClipboardKeeper::ClipboardKeeper() noexcept {
    ClipboardKeeper* none = nullptr;
    g_current.compare_exchange_strong(none, this);
}

ClipboardKeeper::~ClipboardKeeper() {
    ClipboardKeeper* self = this;
    g_current.compare_exchange_strong(self, nullptr);
}

} // namespace vaultlet

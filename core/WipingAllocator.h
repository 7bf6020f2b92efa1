#pragma once

#include "core/SecureWipe.h"

#include <cstddef>
#include <memory>

namespace vaultlet {

// Standard allocator that wipes every block before giving it back, so buffers that a container
// outgrows or releases never leave secret bytes behind on the heap.
template <typename T>
struct WipingAllocator {
    using value_type = T;

    WipingAllocator() noexcept = default;
    template <typename U>
    WipingAllocator(const WipingAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) { return std::allocator<T>{}.allocate(count); }
    void deallocate(T* block, std::size_t count) noexcept {
        SecureWipe(block, count * sizeof(T));
        std::allocator<T>{}.deallocate(block, count);
    }

    template <typename U>
    bool operator==(const WipingAllocator<U>&) const noexcept {
        return true;
    }
};

} // namespace vaultlet

#include "core/HeapMemory.h"

#include <malloc.h>
#include <string.h>

namespace vaultlet {

void ForceZero(void* data, std::size_t size) noexcept {
    explicit_bzero(data, size);
}

std::size_t HeapBlockSize(void* block) noexcept {
    return malloc_usable_size(block);
}

} // namespace vaultlet

#include "core/HeapMemory.h"

#include <windows.h>

#include <malloc.h>

namespace vaultlet {

void ForceZero(void* data, std::size_t size) noexcept {
    SecureZeroMemory(data, size);
}

std::size_t HeapBlockSize(void* block) noexcept {
    return _msize(block);
}

} // namespace vaultlet

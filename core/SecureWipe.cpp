#include "core/SecureWipe.h"

#include "core/HeapMemory.h"

#include <new>

namespace vaultlet {

void SecureWipe(void* data, std::size_t size) noexcept {
    if (data != nullptr && size != 0) {
        ForceZero(data, size);
    }
}

} // namespace vaultlet

// tinyxml2 keeps the text it parses (a decrypted database document) and the attribute values it is
// given in character arrays of its own, which it frees with delete[] and never wipes. Array deletes
// wipe the whole block first; the program's own containers use wiping allocators instead. Array
// news take their blocks from the single-object allocator so the two sides stay a matching pair.
void* operator new[](std::size_t size) {
    return ::operator new(size);
}

void operator delete[](void* block) noexcept {
    if (block != nullptr) {
        vaultlet::SecureWipe(block, vaultlet::HeapBlockSize(block));
    }
    ::operator delete(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    ::operator delete[](block);
}

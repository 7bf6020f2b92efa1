#pragma once

#include <cstddef>
#include <string_view>

namespace vaultlet::test {

// How often the bytes occur in the process's own committed memory (heaps, stacks, everything it
// allocated; not the images of its modules, where the test's literals are), leaving out any
// occurrence inside `live`: the one buffer that is meant to hold them. A secret that was copied
// into a buffer freed without wiping is found here until the memory is reused.
std::size_t CountInPrivateMemory(std::string_view bytes, std::string_view live = {});

} // namespace vaultlet::test

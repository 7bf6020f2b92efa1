#include "tests/support/win32/MemoryScan.h"

#include <windows.h>

#include <algorithm>
#include <functional>

namespace vaultlet::test {
namespace {

constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY;

bool IsScanned(const MEMORY_BASIC_INFORMATION& region) {
    return region.State == MEM_COMMIT && region.Type == MEM_PRIVATE && (region.Protect & kReadable) != 0 &&
           (region.Protect & PAGE_GUARD) == 0;
}

} // namespace

std::size_t CountInPrivateMemory(std::string_view bytes, std::string_view live) {
    std::size_t count = 0;
    const char* address = nullptr;
    MEMORY_BASIC_INFORMATION region{};
    while (!bytes.empty() && VirtualQuery(address, &region, sizeof region) == sizeof region) {
        const char* begin = static_cast<const char*>(region.BaseAddress);
        const char* end = begin + region.RegionSize;
        if (IsScanned(region)) {
            const std::boyer_moore_horspool_searcher searcher(bytes.begin(), bytes.end());
            for (const char* at = begin; (at = std::search(at, end, searcher)) != end; ++at) {
                const bool inLive = at >= live.data() && at < live.data() + live.size();
                // The scanner's own view of the bytes, when a caller built it on the stack or heap.
                const bool needle = at == bytes.data();
                count += inLive || needle ? 0 : 1;
            }
        }
        if (end <= address) {
            break;
        }
        address = end;
    }
    return count;
}

} // namespace vaultlet::test

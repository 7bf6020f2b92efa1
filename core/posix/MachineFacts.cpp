#include "core/MachineFacts.h"

#include "core/crypto/Md5.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>

namespace vaultlet {
namespace {

void Add(Md5& hash, const void* data, std::size_t size) {
    hash.Add(static_cast<const std::uint8_t*>(data), size);
}

} // namespace

void AddMachineFacts(Md5& hash) {
    // The machine's identity and its root file system stand in for the Windows volume facts.
    std::ifstream machineId("/etc/machine-id", std::ios::binary);
    const std::string id((std::istreambuf_iterator<char>(machineId)), std::istreambuf_iterator<char>());
    Add(hash, id.data(), id.size());
    struct statvfs root {};
    if (statvfs("/", &root) == 0) {
        Add(hash, &root.f_fsid, sizeof root.f_fsid);
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ticks = static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
    const auto process = static_cast<std::uint32_t>(getpid());
    const std::int32_t cursor[2] = {0, 0}; // no pointer position without a window system
    Add(hash, &ticks, sizeof ticks);
    Add(hash, &process, sizeof process);
    Add(hash, cursor, sizeof cursor);
}

} // namespace vaultlet

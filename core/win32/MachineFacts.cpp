#include "core/MachineFacts.h"

#include "core/crypto/Md5.h"

#include <windows.h>

namespace vaultlet {
namespace {

void Add(Md5& hash, const void* data, std::size_t size) {
    hash.Add(static_cast<const std::uint8_t*>(data), size);
}

void AddFixedDrives(Md5& hash) {
    const DWORD drives = GetLogicalDrives();
    for (int position = 2; position < 32; ++position) {
        if ((drives & (1u << position)) == 0) {
            continue;
        }
        const char root[4] = {static_cast<char>('A' + position), ':', '\\', '\0'};
        if (GetDriveTypeA(root) != DRIVE_FIXED) {
            continue;
        }
        char volumeName[261] = {};
        char fileSystemName[261] = {};
        DWORD serial = 0;
        DWORD maximumComponentLength = 0;
        DWORD flags = 0;
        if (GetVolumeInformationA(root, volumeName, 260, &serial, &maximumComponentLength, &flags, fileSystemName,
                                  260)) {
            Add(hash, volumeName, 260);
            Add(hash, fileSystemName, 260);
            Add(hash, &serial, sizeof serial);
        }
    }
}

} // namespace

void AddMachineFacts(Md5& hash) {
    AddFixedDrives(hash);
    const DWORD ticks = GetTickCount();
    const DWORD process = GetCurrentProcessId();
    POINT cursor{};
    if (!GetCursorPos(&cursor)) {
        cursor = POINT{};
    }
    const LONG position[2] = {cursor.x, cursor.y};
    Add(hash, &ticks, sizeof ticks);
    Add(hash, &process, sizeof process);
    Add(hash, position, sizeof position);
}

} // namespace vaultlet

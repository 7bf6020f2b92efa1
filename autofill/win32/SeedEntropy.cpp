#include "autofill/SeedEntropy.h"

#include <windows.h>

#include <algorithm>

namespace vaultlet {
namespace {

// The buffer size the volume information is asked for with; the first 260 bytes count.
constexpr DWORD kVolumeBuffer = 261;

void AddRemovableVolume(const char* root, SeedEntropy& entropy) {
    char volumeName[kVolumeBuffer] = {};
    char fileSystemName[kVolumeBuffer] = {};
    DWORD serialNumber = 0;
    DWORD maximumComponentLength = 0;
    DWORD fileSystemFlags = 0;
    if (!GetVolumeInformationA(root, volumeName, kVolumeBuffer, &serialNumber, &maximumComponentLength,
                               &fileSystemFlags, fileSystemName, kVolumeBuffer)) {
        return;
    }
    SeedEntropy::RemovableVolume volume;
    std::copy_n(volumeName, volume.volumeName.size(), volume.volumeName.begin());
    std::copy_n(fileSystemName, volume.fileSystemName.size(), volume.fileSystemName.begin());
    volume.serialNumber = serialNumber;
    entropy.removableVolumes.push_back(volume);
}

} // namespace

SeedEntropy CollectSeedEntropy() {
    SeedEntropy entropy;
    // An empty drive must not make the system ask the user to insert a disk.
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode);
    const DWORD drives = GetLogicalDrives();
    for (int position = 2; position < 32; ++position) {
        if ((drives & (DWORD{1} << position)) == 0) {
            continue;
        }
        const char root[4] = {static_cast<char>('A' + position), ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_REMOVABLE) {
            AddRemovableVolume(root, entropy);
        }
    }
    SetThreadErrorMode(previousMode, nullptr);
    entropy.tickCount = GetTickCount();
    entropy.processId = GetCurrentProcessId();
    POINT cursor{};
    if (GetCursorPos(&cursor)) {
        entropy.cursorX = cursor.x;
        entropy.cursorY = cursor.y;
    }
    return entropy;
}

} // namespace vaultlet

#include "shell/win32/system/ProgramVersion.h"

#include "shell/LoginTexts.h"
#include "shell/RegistryStore.h"

#include <windows.h>

#include <vector>

namespace vaultlet {

ProgramVersion ProgramVersion::OfThisProgram() {
    ProgramVersion version;
    const std::string path = RegistryStore::ExecutablePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) {
        return version;
    }
    std::vector<char> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &infoSize) || infoSize < sizeof *info) {
        return version;
    }
    version.major = HIWORD(info->dwFileVersionMS);
    version.minor = LOWORD(info->dwFileVersionMS);
    version.patch = HIWORD(info->dwFileVersionLS);
    version.build = LOWORD(info->dwFileVersionLS);
    return version;
}

std::string ProgramVersion::Label() const {
    return VersionLabel(major, minor, build);
}

} // namespace vaultlet

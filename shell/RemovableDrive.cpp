#include "shell/RemovableDrive.h"

#include "shell/TextFormat.h"

namespace vaultlet {
namespace {

constexpr int kFirstLetter = 1; // B:
constexpr int kLetterCount = 26;
constexpr std::string_view kDriveText = "%s (%c:)";

} // namespace

std::vector<RemovableDrive> ListRemovableDrives(InstallSystem& system, std::string_view fallbackLabel) {
    std::vector<RemovableDrive> drives;
    const std::uint32_t present = system.LogicalDrives();
    for (int position = kFirstLetter; position < kLetterCount; ++position) {
        if ((present & (std::uint32_t{1} << position)) == 0) {
            continue;
        }
        const char letter = static_cast<char>('A' + position);
        const std::string root{letter, ':', '\\'};
        if (!system.IsRemovable(root)) {
            continue;
        }
        std::string label;
        bool readOnly = false;
        const bool read = system.ReadVolume(root, label, readOnly);
        if (read && readOnly) {
            continue;
        }
        if (!read || label.empty()) {
            label = fallbackLabel;
        }
        drives.push_back({root, FormatText(kDriveText, {label, std::string_view(&letter, 1)})});
    }
    return drives;
}

} // namespace vaultlet

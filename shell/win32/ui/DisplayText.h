#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

namespace vaultlet {

// How a hidden value shows wherever a pane lists it.
inline constexpr const char* kMaskedValue = "**********";

// Copies a text the model holds into the buffer a control hands out with a GETDISPINFO
// notification, cut to fit, always zero-terminated.
inline void CopyDisplayText(std::string_view text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return;
    }
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

} // namespace vaultlet

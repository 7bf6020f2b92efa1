#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vaultlet {

// A newer version as the update service announces it: its version text, the web address to get it
// from and its change log.
struct UpdateOffer {
    std::string version;
    std::string address;
    std::string changeLog;

    // Reads the answer to the first request: lines split at CR and LF, empty ones skipped; the first
    // is the version, the second the download address. Nothing when either is missing or the address
    // is not one the program may open (see download_address), which counts as no update. The change
    // log is left empty: it is the second request's answer.
    static std::optional<UpdateOffer> FromUrlResponse(std::string_view body);
};

} // namespace vaultlet

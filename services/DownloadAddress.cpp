#include "services/DownloadAddress.h"

#include <algorithm>
#include <cctype>

namespace vaultlet::download_address {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

// The characters of a URL: unreserved, reserved and the percent of an escape.
bool IsUrlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
        return false;
    }
    return std::isalnum(byte) != 0 || std::string_view("-._~:/?#[]@!$&'()*+,;=%").find(c) != std::string_view::npos;
}

// What follows the scheme: the host comes first and starts with a letter, a digit or "[" (IPv6).
bool StartsWithHost(std::string_view rest) {
    return !rest.empty() && (std::isalnum(static_cast<unsigned char>(rest.front())) != 0 || rest.front() == '[');
}

} // namespace

bool IsAcceptable(std::string_view address) {
    if (address.size() > kMaxLength || !std::all_of(address.begin(), address.end(), IsUrlCharacter)) {
        return false;
    }
    for (const std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (StartsWithNoCase(address, scheme)) {
            return StartsWithHost(address.substr(scheme.size()));
        }
    }
    return false;
}

} // namespace vaultlet::download_address

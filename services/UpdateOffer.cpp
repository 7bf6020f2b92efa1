#include "services/UpdateOffer.h"

#include "services/DownloadAddress.h"

#include <vector>

namespace vaultlet {
namespace {

// The first `count` non-empty lines; fewer when the text has fewer.
std::vector<std::string_view> LeadingLines(std::string_view text, std::size_t count) {
    std::vector<std::string_view> lines;
    while (!text.empty() && lines.size() < count) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if (!line.empty()) {
            lines.push_back(line);
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

} // namespace

std::optional<UpdateOffer> UpdateOffer::FromUrlResponse(std::string_view body) {
    const std::vector<std::string_view> lines = LeadingLines(body, 2);
    if (lines.size() < 2 || !download_address::IsAcceptable(lines[1])) {
        return std::nullopt;
    }
    return UpdateOffer{std::string(lines[0]), std::string(lines[1]), {}};
}

} // namespace vaultlet

#include "shell/TextFormat.h"

namespace vaultlet {
namespace {

constexpr std::string_view kConversions = "sdcuxX";
constexpr std::string_view kFlagsAndWidth = "-0123456789";

} // namespace

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string result;
    auto next = arguments.begin();
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = pattern[pos];
        if (c != '%') {
            result += c;
            ++pos;
            continue;
        }
        if (pos + 1 < pattern.size() && pattern[pos + 1] == '%') {
            result += '%';
            pos += 2;
            continue;
        }
        std::size_t end = pos + 1;
        while (end < pattern.size() && kFlagsAndWidth.find(pattern[end]) != std::string_view::npos) {
            ++end;
        }
        if (end < pattern.size() && kConversions.find(pattern[end]) != std::string_view::npos) {
            if (next != arguments.end()) {
                result += *next++;
            }
            pos = end + 1;
        } else {
            result += c;
            ++pos;
        }
    }
    return result;
}

std::string FileDialogFilter(std::string_view text) {
    std::string filter(text);
    for (char& c : filter) {
        if (c == '%') {
            c = '\0';
        }
    }
    while (filter.size() < 2 || filter[filter.size() - 1] != '\0' || filter[filter.size() - 2] != '\0') {
        filter += '\0';
    }
    return filter;
}

} // namespace vaultlet

#include "shell/InstanceRequest.h"

#include "shell/CommandLine.h"

#include <cctype>

namespace vaultlet {
namespace {

constexpr std::string_view kMinimize = "-minimize";
constexpr std::string_view kRestart = "-restart";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

InstanceRequest InstanceRequest::ForFirstInstance(std::string_view argumentText) {
    if (EqualsIgnoringCase(argumentText, kMinimize)) {
        return {Kind::StartHidden, {}};
    }
    if (!EqualsIgnoringCase(argumentText, kRestart) && CommandLine::LooksLikeDrivePath(argumentText)) {
        return {Kind::OpenFile, CommandLine::RemoveQuotes(argumentText)};
    }
    return {Kind::Normal, {}};
}

InstanceRequest InstanceRequest::ForSecondInstance(std::string_view argumentText) {
    if (argumentText == kRestart) {
        return {Kind::Restart, {}};
    }
    if (argumentText == kMinimize) {
        return {Kind::Minimize, {}};
    }
    if (!argumentText.empty()) {
        return {Kind::HandOver, CommandLine::RemoveQuotes(argumentText)};
    }
    return {Kind::Raise, {}};
}

} // namespace vaultlet

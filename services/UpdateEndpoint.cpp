#include "services/UpdateEndpoint.h"

#include <charconv>

namespace vaultlet {

UpdateEndpoint UpdateEndpoint::Maker(Service service) {
    UpdateEndpoint endpoint;
    if (service == Service::CrashReport) {
        endpoint.host = kCrashServiceHost;
    }
    return endpoint;
}

std::optional<UpdateEndpoint> UpdateEndpoint::WithServer(std::string_view text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0) {
        return std::nullopt;
    }
    const std::string_view portText = text.substr(colon + 1);
    int port = 0;
    const auto [end, error] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (error != std::errc() || end != portText.data() + portText.size() || port < 1 || port > 65535) {
        return std::nullopt;
    }
    UpdateEndpoint endpoint;
    endpoint.host = std::string(text.substr(0, colon));
    endpoint.port = port;
    return endpoint;
}

} // namespace vaultlet

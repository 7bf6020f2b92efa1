#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace vaultlet {

// Where the update requests (and the crash reports' uploads) go and how long they may take. A server that stalls or
// trickles must not keep a check (and a reported check's wait window) alive: every connect, send and receive has its
// time-out, and the whole check a deadline; running into one counts as "no update".
struct UpdateEndpoint {
    // The two services of the maker that the program talks to.
    enum class Service { Update, CrashReport };
    static constexpr const char* kServiceHost = "update.quillmoth.com";
    static constexpr const char* kCrashServiceHost = "crash.quillmoth.com";
    static constexpr int kServicePort = 80;
    // Name the server of a test build's checks and crash-report uploads as "host:port" (see
    // Configured).
    static constexpr const char* kServerVariable = "VAULTLET_UPDATE_SERVER";
    static constexpr const char* kCrashServerVariable = "VAULTLET_CRASH_SERVER";

    std::string host = kServiceHost;
    int port = kServicePort;
    std::chrono::milliseconds connectTimeout{15000};
    std::chrono::milliseconds sendTimeout{15000};
    std::chrono::milliseconds receiveTimeout{15000};
    std::chrono::milliseconds deadline{60000};

    // The maker's service. A build with test hooks (the tests' own build) takes the server from the
    // service's environment variable (kServerVariable, kCrashServerVariable) instead when it is set,
    // so that no test reaches another host; a release build has no such switch.
    static UpdateEndpoint Configured(Service service = Service::Update);
    // The maker's host for the service, with the default time-outs.
    static UpdateEndpoint Maker(Service service);
    // "host:port" with a port from 1 to 65535, the time-outs left as they are; nothing when the
    // text is not of that form.
    static std::optional<UpdateEndpoint> WithServer(std::string_view text);
};

} // namespace vaultlet

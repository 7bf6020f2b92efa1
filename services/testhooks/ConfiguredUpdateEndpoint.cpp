// The tests' build: the checks and crash-report uploads of the program and of the test executables go
// to the server the environment names (a loopback server of the test, or a closed loopback port), never to the
// maker's service. Read at each check, so a test can change it between checks.
#include "services/UpdateEndpoint.h"

#include <cstdlib>

namespace vaultlet {

UpdateEndpoint UpdateEndpoint::Configured(Service service) {
    const char* server = std::getenv(service == Service::CrashReport ? kCrashServerVariable : kServerVariable);
    if (server == nullptr) {
        return Maker(service);
    }
    return WithServer(server).value_or(Maker(service));
}

} // namespace vaultlet

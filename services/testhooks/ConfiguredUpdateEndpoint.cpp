// The tests' build: the checks of the program and of the test executables go to the server the
// environment names (a loopback server of the test, or a closed loopback port), never to the
// maker's service. Read at each check, so a test can change it between checks.
#include "services/UpdateEndpoint.h"

#include <cstdlib>

namespace vaultlet {

UpdateEndpoint UpdateEndpoint::Configured() {
    const char* server = std::getenv(kServerVariable);
    if (server == nullptr) {
        return UpdateEndpoint{};
    }
    return WithServer(server).value_or(UpdateEndpoint{});
}

} // namespace vaultlet

// A release build talks to the maker's services and nothing else.
#include "services/UpdateEndpoint.h"

namespace vaultlet {

UpdateEndpoint UpdateEndpoint::Configured(Service service) {
    return Maker(service);
}

} // namespace vaultlet

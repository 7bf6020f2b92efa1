#pragma once

#include "services/UpdateOffer.h"
#include "services/UpdateTransport.h"

#include <string_view>

namespace vaultlet {

// How one look for a newer version ended.
struct UpdateCheckResult {
    enum class Outcome {
        // The service offered a newer version: `offer` holds it, change log included.
        Found,
        // The service answered, and what it answered offers nothing the program can use.
        NoUpdate,
        // No answer: the service could not be reached, the exchange broke off, or the service
        // answered with an error status. Nobody knows whether there is a newer version.
        Failed,
    };

    Outcome outcome = Outcome::Failed;
    UpdateOffer offer;
};

// One look for a newer version: asks for the version and its address, and only when both came back
// usable, for the change log. An answer without a usable version and address, or an empty change
// log, is "no update"; a request that got no answer, or an error status, fails the check. Nothing
// is retried.
UpdateCheckResult CheckForUpdate(UpdateTransport& transport, std::string_view versionText);

} // namespace vaultlet

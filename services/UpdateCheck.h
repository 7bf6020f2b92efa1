#pragma once

#include "services/UpdateOffer.h"
#include "services/UpdateTransport.h"

#include <optional>
#include <string_view>

namespace vaultlet {

// One look for a newer version: asks for the version and its address, and only when both came back
// usable, for the change log. Any failure on the way, or an empty change log, is "no update";
// nothing is retried.
std::optional<UpdateOffer> CheckForUpdate(UpdateTransport& transport, std::string_view versionText);

} // namespace vaultlet

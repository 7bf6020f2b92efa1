#include "services/UpdateCheck.h"

#include "services/UpdateRequest.h"

#include <optional>

namespace vaultlet {

UpdateCheckResult CheckForUpdate(UpdateTransport& transport, std::string_view versionText) {
    using Outcome = UpdateCheckResult::Outcome;
    const UpdateReply location = transport.Get(update_request::Path(UpdateRequestKind::Url, versionText));
    if (!location.IsOk()) {
        return {Outcome::Failed, {}};
    }
    std::optional<UpdateOffer> offer = UpdateOffer::FromUrlResponse(location.body);
    if (!offer) {
        return {Outcome::NoUpdate, {}};
    }
    UpdateReply changes = transport.Get(update_request::Path(UpdateRequestKind::ChangeLog, versionText));
    if (!changes.IsOk()) {
        return {Outcome::Failed, {}};
    }
    if (changes.body.empty()) {
        return {Outcome::NoUpdate, {}};
    }
    offer->changeLog = std::move(changes.body);
    return {Outcome::Found, std::move(*offer)};
}

} // namespace vaultlet

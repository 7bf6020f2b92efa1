#include "services/UpdateCheck.h"

#include "services/UpdateRequest.h"

namespace vaultlet {

std::optional<UpdateOffer> CheckForUpdate(UpdateTransport& transport, std::string_view versionText) {
    const UpdateReply location = transport.Get(update_request::Path(UpdateRequestKind::Url, versionText));
    if (!location.IsOk()) {
        return std::nullopt;
    }
    std::optional<UpdateOffer> offer = UpdateOffer::FromUrlResponse(location.body);
    if (!offer) {
        return std::nullopt;
    }
    UpdateReply changes = transport.Get(update_request::Path(UpdateRequestKind::ChangeLog, versionText));
    if (!changes.IsOk() || changes.body.empty()) {
        return std::nullopt;
    }
    offer->changeLog = std::move(changes.body);
    return offer;
}

} // namespace vaultlet

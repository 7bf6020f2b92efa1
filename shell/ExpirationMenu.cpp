#include "shell/ExpirationMenu.h"

#include "resources/resource.h"

namespace vaultlet::expiration_menu {
namespace {

struct Entry {
    int commandId;
    int days;
};

// "Now" is the one entry that does not add to the shown moment; it has no day count.
constexpr Entry kEntries[] = {
    {ID_EXPIRE_DAY, 1},         {ID_EXPIRE_WEEK, 7},          {ID_EXPIRE_TWO_WEEKS, 14}, {ID_EXPIRE_MONTH, 30},
    {ID_EXPIRE_TWO_MONTHS, 60}, {ID_EXPIRE_THREE_MONTHS, 90}, {ID_EXPIRE_YEAR, 365},
};

} // namespace

std::optional<int> DaysOfCommand(int commandId) {
    for (const Entry& entry : kEntries) {
        if (entry.commandId == commandId) {
            return entry.days;
        }
    }
    return std::nullopt;
}

bool IsCommand(int commandId) {
    return commandId == ID_EXPIRE_NOW || DaysOfCommand(commandId).has_value();
}

std::uint64_t MomentAfter(int commandId, std::uint64_t shown, std::uint64_t now) {
    const std::optional<int> days = DaysOfCommand(commandId);
    return days ? shown + static_cast<std::uint64_t>(*days) * kDay : now;
}

} // namespace vaultlet::expiration_menu

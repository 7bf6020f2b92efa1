#pragma once

#include <cstdint>
#include <optional>

namespace vaultlet {

// The passcard dialog's expiration menu without the window: which entry a command is, and the
// moment each entry puts into the date and time pickers. Moments are file times (100 ns units);
// the dialog works on local time, so `shown` and `now` are both local.
namespace expiration_menu {

// One day exactly: months and years of the menu are fixed day counts, not calendar months.
inline constexpr std::uint64_t kDay = 864000000000ULL;

// The entry of a menu command id; none for any other id.
std::optional<int> DaysOfCommand(int commandId);
bool IsCommand(int commandId);

// "Now" gives `now`; every other entry adds its days to the moment the pickers show.
std::uint64_t MomentAfter(int commandId, std::uint64_t shown, std::uint64_t now);

} // namespace expiration_menu
} // namespace vaultlet

#pragma once

#include <cstdint>

namespace vaultlet {

// When the main window locks because nobody has used the computer for a while ("Lock after N
// minutes without input"). The window asks on a timer; each answer says whether to lock now and when
// to ask again, so the lock comes on time without waking the program every second. The times are the
// system's millisecond tick counts, which wrap around every 49.7 days.
class IdleLock {
public:
    static constexpr int kMinutesMinimum = 1;
    static constexpr int kMinutesMaximum = 24 * 60;
    // Between two checks at least this long, so the program never spins...
    static constexpr std::uint32_t kShortestWait = 1000;
    // ...and at most this long, so a clock that jumped is noticed soon.
    static constexpr std::uint32_t kLongestWait = 60 * 1000;

    struct Check {
        bool lockNow = false;
        // Milliseconds until the next check; 0 when there is nothing to check (the lock is off).
        std::uint32_t nextCheck = 0;

        bool operator==(const Check&) const = default;
    };

    // `minutes` is brought into its range first. `lastInput` is the tick count of the last input
    // anywhere in the session, `now` the current one.
    static Check Decide(bool enabled, int minutes, std::uint32_t now, std::uint32_t lastInput);
    static int ClampMinutes(int minutes);
};

} // namespace vaultlet

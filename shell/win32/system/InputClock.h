#pragma once

#include <cstdint>
#include <functional>

namespace vaultlet {

// The two millisecond tick counts the lock after minutes without input compares: now, and the last
// input anywhere in this Windows session (any program's, not only ours). Tests put a clock of their
// own in place, so the lock comes "after five minutes" at once.
class InputClock {
public:
    struct Reading {
        std::uint32_t now = 0;
        std::uint32_t lastInput = 0;
    };
    using Source = std::function<Reading()>;

    static Reading Read();
    // With a source set, readings come from it instead of the system.
    static void SetSource(Source source);
};

} // namespace vaultlet

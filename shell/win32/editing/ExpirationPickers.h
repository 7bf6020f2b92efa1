#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace vaultlet {

// The date picker and the time picker that together show one moment of the passcard dialog, and
// the conversions between a stored expiration (a UTC file time) and the local time they show. The
// two directions use the one pair of time-zone functions, so a value goes round unchanged.
// Does not own the windows.
class ExpirationPickers {
public:
    ExpirationPickers() noexcept = default;
    ExpirationPickers(HWND date, HWND time) noexcept : m_date(date), m_time(time) {}

    // Shows a local moment (file-time units) in both pickers, to the second.
    void Show(std::uint64_t local) const;
    // The date of the date picker with the time of day of the time picker, to the second.
    std::uint64_t Shown() const;
    void Enable(bool enabled) const;

    // A UTC file time as local time; none when the system cannot convert it (beyond year 30827,
    // say, which a stored document can still hold).
    static std::optional<std::uint64_t> ToLocal(std::uint64_t utc);
    static std::optional<std::uint64_t> ToUtc(std::uint64_t local);

private:
    HWND m_date = nullptr;
    HWND m_time = nullptr;
};

} // namespace vaultlet

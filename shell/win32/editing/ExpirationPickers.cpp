#include "shell/win32/editing/ExpirationPickers.h"

#include <commctrl.h>

namespace vaultlet {
namespace {

std::optional<SYSTEMTIME> ToSystemTime(std::uint64_t fileTime) {
    FILETIME value{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    SYSTEMTIME time{};
    if (!FileTimeToSystemTime(&value, &time)) {
        return std::nullopt;
    }
    return time;
}

std::optional<std::uint64_t> ToFileTime(const SYSTEMTIME& time) {
    FILETIME value{};
    if (!SystemTimeToFileTime(&time, &value)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(value.dwHighDateTime) << 32) | value.dwLowDateTime;
}

SYSTEMTIME PickerTime(HWND picker) {
    SYSTEMTIME time{};
    SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

} // namespace

void ExpirationPickers::Show(std::uint64_t local) const {
    std::optional<SYSTEMTIME> time = ToSystemTime(local);
    if (!time) {
        return;
    }
    // The pickers show whole seconds; a hidden fraction would make the shown moment lie.
    time->wMilliseconds = 0;
    SendMessageA(m_date, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&*time));
    SendMessageA(m_time, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&*time));
}

std::uint64_t ExpirationPickers::Shown() const {
    SYSTEMTIME moment = PickerTime(m_date);
    const SYSTEMTIME clock = PickerTime(m_time);
    moment.wHour = clock.wHour;
    moment.wMinute = clock.wMinute;
    moment.wSecond = clock.wSecond;
    moment.wMilliseconds = 0;
    return ToFileTime(moment).value_or(0);
}

void ExpirationPickers::Enable(bool enabled) const {
    EnableWindow(m_date, enabled ? TRUE : FALSE);
    EnableWindow(m_time, enabled ? TRUE : FALSE);
}

std::optional<std::uint64_t> ExpirationPickers::ToLocal(std::uint64_t utc) {
    const std::optional<SYSTEMTIME> universal = ToSystemTime(utc);
    SYSTEMTIME local{};
    if (!universal || !SystemTimeToTzSpecificLocalTime(nullptr, &*universal, &local)) {
        return std::nullopt;
    }
    return ToFileTime(local);
}

std::optional<std::uint64_t> ExpirationPickers::ToUtc(std::uint64_t local) {
    const std::optional<SYSTEMTIME> shown = ToSystemTime(local);
    SYSTEMTIME universal{};
    if (!shown || !TzSpecificLocalTimeToSystemTime(nullptr, &*shown, &universal)) {
        return std::nullopt;
    }
    return ToFileTime(universal);
}

} // namespace vaultlet

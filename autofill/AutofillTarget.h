#pragma once

#include "autofill/WindowHandle.h"
#include "autofill/WindowSystem.h"

#include <cstdint>
#include <string>

namespace vaultlet {

// The window the auto-fill hot key was pressed over, as it was then: its title and the program that
// owns it. The user chooses what to type with that window in mind; between the key and the typing
// the window may close, its handle go to another window, or a page in it may change the title. So
// it is typed into only while it shows the same title in the same program.
class AutofillTarget {
public:
    // How long a window remembered while the database was locked stays a target: an unlock long
    // after the hot key is not an answer to it.
    static constexpr std::uint64_t kRememberedMilliseconds = 60000;

    AutofillTarget() = default;
    // The window as it is now, at the given time (milliseconds of a monotonic clock).
    static AutofillTarget Take(WindowSystem& windows, WindowHandle window, std::uint64_t now);

    WindowHandle Window() const noexcept { return m_window; }
    const std::string& Title() const noexcept { return m_title; }
    const std::string& Program() const noexcept { return m_program; }

    // True while the window exists and shows the same title in the same program as when taken.
    bool IsUnchanged(WindowSystem& windows) const;
    // True when the window was taken no longer than kRememberedMilliseconds before `now`.
    bool IsRecentAt(std::uint64_t now) const noexcept;

private:
    WindowHandle m_window = nullptr;
    std::string m_title;
    std::string m_program;
    std::uint64_t m_takenAt = 0;
};

} // namespace vaultlet

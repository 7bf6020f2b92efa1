#include "autofill/AutofillTarget.h"

namespace vaultlet {

AutofillTarget AutofillTarget::Take(WindowSystem& windows, WindowHandle window, std::uint64_t now) {
    AutofillTarget target;
    target.m_window = window;
    if (window != nullptr && windows.Exists(window)) {
        target.m_title = windows.TitleOf(window);
        target.m_program = windows.ProgramOf(window);
    }
    target.m_takenAt = now;
    return target;
}

bool AutofillTarget::IsUnchanged(WindowSystem& windows) const {
    // A window whose program cannot be told is never taken for the one the user meant.
    return m_window != nullptr && !m_program.empty() && windows.Exists(m_window) &&
           windows.TitleOf(m_window) == m_title && windows.ProgramOf(m_window) == m_program;
}

bool AutofillTarget::IsRecentAt(std::uint64_t now) const noexcept {
    return now >= m_takenAt && now - m_takenAt <= kRememberedMilliseconds;
}

} // namespace vaultlet

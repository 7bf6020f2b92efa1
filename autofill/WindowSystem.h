#pragma once

#include "autofill/WindowHandle.h"
#include "core/SecureString.h"

#include <cstddef>
#include <string>

namespace vaultlet {

// What auto-fill asks of the windowing system about other programs' windows. Everything it answers
// is under the control of those programs (titles, texts, even class names) except who owns a
// window: the executable of the owning process.
class WindowSystem {
public:
    // A WindowDescription is cut off at this many characters: a window with thousands of children
    // must not cost the monitor more than a prompt does.
    static constexpr std::size_t kMaxDescription = 4096;

    virtual ~WindowSystem() = default;

    virtual WindowHandle ForegroundWindow() = 0;
    // The window with the keyboard focus in the thread that owns the given window; null when none.
    virtual WindowHandle FocusWindowOf(WindowHandle window) = 0;
    virtual bool Exists(WindowHandle window) = 0;
    // The window's WindowDescription, at most kMaxDescription characters; empty for a window that
    // no longer exists.
    virtual SecureString DescribeWindow(WindowHandle window) = 0;
    // The window's class name and its title (text); empty for a window that no longer exists.
    virtual std::string ClassOf(WindowHandle window) = 0;
    virtual std::string TitleOf(WindowHandle window) = 0;
    // The file name, without folder, of the executable of the process that owns the window
    // ("pageant.exe"); empty when that cannot be found out.
    virtual std::string ProgramOf(WindowHandle window) = 0;
};

} // namespace vaultlet

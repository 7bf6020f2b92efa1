#pragma once

#include "shell/InstanceRequest.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

#include <string>

namespace vaultlet {

// One interactive copy of the program per user. The first copy creates a named event and keeps it
// for its whole life; a later start finds the event, signals it (the first copy's RizeThread then
// raises its window), passes its request on and ends without a window of its own. A path travels
// through the "OpenFile" setting, so both copies must use the same settings location.
//
// A copy started by another account or at another elevation level owns an event this process may not
// open: that start is neither first nor able to pass anything on (RunsElsewhere), and must not run as a
// second full copy on the same databases.
class SingleInstance {
public:
    static constexpr const char* kEventName = "{181769CA-D547-48f4-8DE8-F87F61A03F74}";

    // Opens the running copy's event, or creates it for this process. Tests give a name of their own
    // so that a program running beside them does not count.
    explicit SingleInstance(std::string eventName = kEventName);

    bool IsFirst() const noexcept { return m_first; }
    bool RunsElsewhere() const noexcept { return m_elsewhere; }
    HANDLE Event() const noexcept { return m_event.Get(); }

    // For a second copy: signals the running one and acts on the request (Raise, Minimize, Restart
    // or HandOver).
    void PassOn(const InstanceRequest& request);
    // For a second copy: lets go of the event and waits until the running copy has ended, at most
    // the given time; false when it still runs.
    bool WaitForRunningCopyToEnd(DWORD timeoutMilliseconds);

    // The running copy's login dialog or main window, found by the product title; null if none.
    static HWND FindRunningWindow();

private:
    void Restart();
    void HandOver(const std::string& path) const;

    std::string m_eventName;
    UniqueHandle m_event;
    bool m_first = false;
    bool m_elsewhere = false;
};

} // namespace vaultlet

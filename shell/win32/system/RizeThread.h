#pragma once

#include "shell/win32/system/WorkerThread.h"

#include <atomic>

namespace vaultlet {

// Brings the program's visible top window back whenever a second start of the program signals the
// instance event: restore, show, foreground. The window is set by whichever window is in front
// (the login dialog, later the main window) and may be null.
class RizeThread final : public WorkerThread {
public:
    // The event stays owned by the caller and must outlive the thread.
    explicit RizeThread(HANDLE instanceEvent);
    ~RizeThread() override;

    void SetWindow(HWND window) noexcept { m_window = window; }
    HWND Window() const noexcept { return m_window; }

    // Sets the stop event, clears the running event and waits for the thread to end.
    void Shutdown();

protected:
    void Run() override;

private:
    void Raise() const;

    std::atomic<HWND> m_window{nullptr};
    HANDLE m_instanceEvent;
    UniqueHandle m_stopEvent;
};

} // namespace vaultlet

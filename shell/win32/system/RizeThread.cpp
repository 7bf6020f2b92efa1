#include "shell/win32/system/RizeThread.h"

namespace vaultlet {

RizeThread::RizeThread(HANDLE instanceEvent)
    : WorkerThread("RizeThread"), m_instanceEvent(instanceEvent),
      m_stopEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}

RizeThread::~RizeThread() {
    Shutdown();
}

void RizeThread::Shutdown() {
    SetEvent(m_stopEvent.Get());
    Stop();
    Join(INFINITE);
}

void RizeThread::Run() {
    const HANDLE events[] = {m_instanceEvent, m_stopEvent.Get()};
    for (;;) {
        const DWORD signalled = WaitForMultipleObjects(2, events, FALSE, INFINITE);
        if (signalled != WAIT_OBJECT_0) {
            return; // the stop event, or a wait that failed
        }
        Raise();
    }
}

void RizeThread::Raise() const {
    const HWND window = m_window.load();
    if (window == nullptr) {
        return;
    }
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

} // namespace vaultlet

#include "shell/win32/system/WorkerThread.h"

#include "services/win32/CrashReporter.h"

namespace vaultlet {

WorkerThread::WorkerThread(std::string name, bool autoDelete)
    : m_name(std::move(name)), m_running(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_autoDelete(autoDelete) {
    if (m_name.size() > kMaxNameLength) {
        m_name.resize(kMaxNameLength);
    }
}

WorkerThread::~WorkerThread() = default;

bool WorkerThread::Start() {
    if (IsRunning()) {
        return true;
    }
    m_thread.Reset(CreateThread(nullptr, 0, ThreadProcedure, this, 0, &m_threadId));
    return static_cast<bool>(m_thread);
}

bool WorkerThread::WaitRunning(DWORD timeoutMilliseconds) const {
    return WaitForSingleObject(m_running.Get(), timeoutMilliseconds) == WAIT_OBJECT_0;
}

void WorkerThread::Stop() {
    if (IsRunning()) {
        ResetEvent(m_running.Get());
    }
}

bool WorkerThread::Join(DWORD timeoutMilliseconds) const {
    return !m_thread || WaitForSingleObject(m_thread.Get(), timeoutMilliseconds) == WAIT_OBJECT_0;
}

DWORD WINAPI WorkerThread::ThreadProcedure(LPVOID parameter) {
    auto* self = static_cast<WorkerThread*>(parameter);
    CrashReporter::NameThread(self->m_name.c_str());
    SetEvent(self->m_running.Get());
    try {
        self->Run();
    } catch (...) {
        CrashReporter::ReportEscapedException(self->m_name.c_str());
    }
    ResetEvent(self->m_running.Get());
    CrashReporter::NameThread(nullptr);
    if (self->m_autoDelete) {
        delete self;
    }
    return 0;
}

} // namespace vaultlet

#pragma once

#include "services/UpdateEndpoint.h"
#include "shell/win32/system/WorkerThread.h"

#include <chrono>
#include <memory>
#include <string>

namespace vaultlet {

class UpdateResultSlot;

// Looks for a newer version on a thread of its own, "CheckUpdateThread", and tells the window that
// started it only by posting: MSG_UPDATE_CHECK_STARTED and MSG_UPDATE_CHECK_FINISHED (wParam one of
// the FinishedCode values) for a check the user asked for, and MSG_UPDATE_AVAILABLE whenever
// something was found and the window still exists. What was found is published to
// UpdateResultSlot::Instance() before.
//
// The object deletes itself when its check ends; nothing touches it after StartCheck.
class UpdateChecker final : public WorkerThread {
public:
    // How a check the user asked for ended, as MSG_UPDATE_CHECK_FINISHED's wParam.
    enum FinishedCode : WPARAM {
        kNoUpdate = 0,
        kFound = 1,
        // The server could not be reached or answered with an error: whether there is a newer
        // version is unknown.
        kFailed = 2,
    };

    struct Options {
        HWND notifyWindow = nullptr;
        // Only a found update is told; a failed or empty check stays quiet.
        bool silent = true;
        // Waited before asking, so the check does not compete with the program's own start.
        std::chrono::milliseconds delay{2000};
        UpdateEndpoint endpoint;
        // The program's version as the service expects it (update_request::VersionText).
        std::string versionText;

        // The running program's file version and the configured update server.
        static Options ForThisProgram(HWND notifyWindow, bool silent);
    };

    // Starts a check. A reported one returns only once its thread runs. False when no thread could
    // be started.
    static bool StartCheck(Options options);
    // The check itself, as its thread runs it: posts, asks the server, publishes. Blocks until done.
    static void Check(const Options& options, UpdateResultSlot& slot);

protected:
    void Run() override;

private:
    UpdateChecker(Options options, std::shared_ptr<UniqueHandle> started);

    Options m_options;
    // Set when the thread runs. Shared with the starter, which may still be waiting on it after
    // this object has deleted itself.
    std::shared_ptr<UniqueHandle> m_started;
};

} // namespace vaultlet

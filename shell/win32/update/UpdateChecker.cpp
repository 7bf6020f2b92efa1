#include "shell/win32/update/UpdateChecker.h"

#include "resources/resource.h"
#include "services/UpdateCheck.h"
#include "services/UpdateRequest.h"
#include "services/UpdateResultSlot.h"
#include "services/win32/WinInetTransport.h"
#include "shell/win32/system/ProgramVersion.h"

namespace vaultlet {
namespace {

constexpr const char* kThreadName = "CheckUpdateThread";
// A created thread starts at once; the bound only keeps a starved system from freezing the window.
constexpr DWORD kStartWaitMilliseconds = 10000;

WPARAM FinishedCodeOf(UpdateCheckResult::Outcome outcome) {
    switch (outcome) {
    case UpdateCheckResult::Outcome::Found:
        return UpdateChecker::kFound;
    case UpdateCheckResult::Outcome::NoUpdate:
        return UpdateChecker::kNoUpdate;
    case UpdateCheckResult::Outcome::Failed:
        break;
    }
    return UpdateChecker::kFailed;
}

} // namespace

UpdateChecker::Options UpdateChecker::Options::ForThisProgram(HWND notifyWindow, bool silent) {
    const ProgramVersion version = ProgramVersion::OfThisProgram();
    Options options;
    options.notifyWindow = notifyWindow;
    options.silent = silent;
    options.endpoint = UpdateEndpoint::Configured();
    options.versionText = update_request::VersionText(version.major, version.minor, version.patch, version.build);
    return options;
}

UpdateChecker::UpdateChecker(Options options, std::shared_ptr<UniqueHandle> started)
    : WorkerThread(kThreadName, true), m_options(std::move(options)), m_started(std::move(started)) {}

bool UpdateChecker::StartCheck(Options options) {
    const bool waitForStart = !options.silent;
    auto started = std::make_shared<UniqueHandle>(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!*started) {
        return false;
    }
    auto* checker = new UpdateChecker(std::move(options), started);
    if (!checker->Start()) {
        delete checker;
        return false;
    }
    // From here on the checker may have ended and deleted itself: only the shared event is used.
    return !waitForStart || WaitForSingleObject(started->Get(), kStartWaitMilliseconds) == WAIT_OBJECT_0;
}

void UpdateChecker::Run() {
    SetEvent(m_started->Get());
    Check(m_options, UpdateResultSlot::Instance());
}

void UpdateChecker::Check(const Options& options, UpdateResultSlot& slot) {
    const bool reported = !options.silent && options.notifyWindow != nullptr;
    if (reported) {
        PostMessageA(options.notifyWindow, MSG_UPDATE_CHECK_STARTED, 0, 0);
    }
    Sleep(static_cast<DWORD>(options.delay.count()));
    WinInetTransport transport(options.endpoint);
    const UpdateCheckResult result = CheckForUpdate(transport, options.versionText);
    const bool found = result.outcome == UpdateCheckResult::Outcome::Found;
    if (found) {
        slot.Publish(result.offer);
    }
    if (reported) {
        PostMessageA(options.notifyWindow, MSG_UPDATE_CHECK_FINISHED, FinishedCodeOf(result.outcome), 0);
    }
    if (found && IsWindow(options.notifyWindow)) {
        PostMessageA(options.notifyWindow, MSG_UPDATE_AVAILABLE, 0, 0);
    }
}

} // namespace vaultlet

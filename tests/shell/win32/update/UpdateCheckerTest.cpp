// A found version reaching the windows is MainFrameTest's and UpdateCheckTest's (tests/e2e).
#include "shell/win32/update/UpdateChecker.h"

#include "resources/resource.h"
#include "services/UpdateResultSlot.h"
#include "tests/support/win32/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vaultlet {
namespace {

using namespace std::chrono_literals;
using test::LoopbackHttpServer;
using Posted = std::vector<std::pair<UINT, WPARAM>>;

constexpr const char* kVersionText = "2.1.1.26";
const Posted kNotFound = {{MSG_UPDATE_CHECK_STARTED, 0}, {MSG_UPDATE_CHECK_FINISHED, UpdateChecker::kNoUpdate}};
const Posted kFailed = {{MSG_UPDATE_CHECK_STARTED, 0}, {MSG_UPDATE_CHECK_FINISHED, UpdateChecker::kFailed}};

// A message-only window of the test thread; the update messages posted to it stay in the queue
// until Received takes them out.
class Recipient {
public:
    Recipient() : m_window(CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~Recipient() { DestroyWindow(m_window); }
    Recipient(const Recipient&) = delete;
    Recipient& operator=(const Recipient&) = delete;

    HWND Window() const noexcept { return m_window; }
    Posted Received() const {
        Posted received;
        MSG message;
        while (PeekMessageA(&message, m_window, MSG_UPDATE_AVAILABLE, MSG_UPDATE_CHECK_FINISHED, PM_REMOVE)) {
            received.emplace_back(message.message, message.wParam);
        }
        return received;
    }

private:
    HWND m_window;
};

UpdateChecker::Options OptionsFor(HWND window, bool silent, const std::string& server) {
    UpdateChecker::Options options;
    options.notifyWindow = window;
    options.silent = silent;
    options.delay = 0ms;
    options.endpoint = UpdateEndpoint::WithServer(server).value();
    options.endpoint.connectTimeout = options.endpoint.sendTimeout = options.endpoint.receiveTimeout = 300ms;
    options.versionText = kVersionText;
    return options;
}

// How each answer ends the check is UpdateCheckTest's (and WinInetTransportTest's); here an answer
// without an offer and a refused connection reach the window.
TEST(UpdateCheckerTest, NothingFoundOrAFailureIsToldWhenAskedForAndNothingWhenSilent) {
    Recipient recipient;
    UpdateResultSlot slot;
    for (const bool silent : {false, true}) {
        LoopbackHttpServer server({{200, ""}});
        UpdateChecker::Check(OptionsFor(recipient.Window(), silent, server.Address()), slot);
        EXPECT_EQ(recipient.Received(), silent ? Posted{} : kNotFound) << "no offer";
        UpdateChecker::Check(OptionsFor(recipient.Window(), silent, LoopbackHttpServer::RefusingAddress()), slot);
        EXPECT_EQ(recipient.Received(), silent ? Posted{} : kFailed) << "refused";
    }
    EXPECT_FALSE(slot.Latest().has_value());
}

} // namespace
} // namespace vaultlet

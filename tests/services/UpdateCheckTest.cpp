// One look for a newer version against scripted answers: which paths are asked, how the first
// answer is read, and that every other ending stops without asking further, as "no update" when the
// service answered and as a failure when it did not or answered with an error.
#include "services/UpdateCheck.h"

#include "services/UpdateRequest.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace vaultlet {
namespace {

class ScriptedTransport final : public UpdateTransport {
public:
    explicit ScriptedTransport(std::deque<UpdateReply> replies) : m_replies(std::move(replies)) {}

    UpdateReply Get(const std::string& path) override {
        paths.push_back(path);
        if (m_replies.empty()) {
            ADD_FAILURE() << "unexpected request " << path;
            return {};
        }
        UpdateReply reply = m_replies.front();
        m_replies.pop_front();
        return reply;
    }

    std::vector<std::string> paths;

private:
    std::deque<UpdateReply> m_replies;
};

UpdateReply Ok(std::string body) {
    return UpdateReply{true, 200, std::move(body)};
}

TEST(UpdateCheckTest, AsksForTheAddressThenTheChangeLogWithTheMinorNumberFirst) {
    ScriptedTransport transport({Ok("\r\n\n9.9.9\r\nhttp://example.org/get\r\n"), Ok("Line one\nLine two\n")});
    const UpdateCheckResult result = CheckForUpdate(transport, update_request::VersionText(1, 2, 1, 26));

    ASSERT_EQ(result.outcome, UpdateCheckResult::Outcome::Found);
    EXPECT_EQ(result.offer.version, "9.9.9") << "leading empty lines are skipped";
    EXPECT_EQ(result.offer.address, "http://example.org/get");
    EXPECT_EQ(result.offer.changeLog, "Line one\nLine two\n") << "the change log is used whole";
    EXPECT_EQ(transport.paths,
              (std::vector<std::string>{"/update.php?product=keyhaven&version=2.1.1.26&type=std&request=url",
                                        "/update.php?product=keyhaven&version=2.1.1.26&type=std&request=changelog"}));
}

struct EndingCase {
    const char* what;
    std::deque<UpdateReply> replies;
    std::size_t requests;
    UpdateCheckResult::Outcome outcome;
};

TEST(UpdateCheckTest, AnAnswerWithoutAnOfferIsNoUpdateNoAnswerOrAnErrorFailsAndAnyLineEndReadsAnOffer) {
    using Outcome = UpdateCheckResult::Outcome;
    const std::string address = "9.9.9\nhttp://example.org/get\n";
    const std::vector<EndingCase> cases = {
        {"no connection", {UpdateReply{}}, 1, Outcome::Failed},
        {"not found", {UpdateReply{true, 404, address}}, 1, Outcome::Failed},
        {"a version without an address", {Ok("\n9.9.9\r\n\r\n")}, 1, Outcome::NoUpdate},
        {"an address the shell must not open", {Ok("9.9.9\nC:\\Windows\\system32\\cmd.exe\n")}, 1, Outcome::NoUpdate},
        {"the change log broke off", {Ok(address), UpdateReply{}}, 2, Outcome::Failed},
        {"the change log failed", {Ok(address), UpdateReply{true, 500, "log"}}, 2, Outcome::Failed},
        {"an empty change log", {Ok(address), Ok("")}, 2, Outcome::NoUpdate},
        // Lines end at a carriage return, a line feed or both, in either order.
        {"carriage returns", {Ok("9.9.9\rhttp://example.org/x"), Ok("log")}, 2, Outcome::Found},
        {"line feed, carriage return", {Ok("9.9.9\n\rhttp://example.org/x\r"), Ok("log")}, 2, Outcome::Found},
        {"empty lines between", {Ok("9.9.9\r\n\r\nhttp://example.org/x\nmore"), Ok("log")}, 2, Outcome::Found},
    };
    for (const EndingCase& each : cases) {
        ScriptedTransport transport(each.replies);
        EXPECT_EQ(CheckForUpdate(transport, "0.1.0.0").outcome, each.outcome) << each.what;
        EXPECT_EQ(transport.paths.size(), each.requests) << each.what;
    }
}

} // namespace
} // namespace vaultlet

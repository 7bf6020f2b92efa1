// The update requests over WinINet against a loopback server of the test: what goes out, and that
// every way a server can fail ends the request, in time.
#include "services/win32/WinInetTransport.h"

#include "services/UpdateResponseBody.h"
#include "tests/support/win32/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace vaultlet {
namespace {

using namespace std::chrono_literals;
using test::LoopbackHttpServer;
using Kind = LoopbackHttpServer::Response::Kind;

constexpr const char* kPath = "/update.php?product=keyhaven&version=0.1.0.0&type=std&request=url";

UpdateEndpoint EndpointOf(const std::string& address, std::chrono::milliseconds timeouts = 500ms,
                          std::chrono::milliseconds deadline = 10s) {
    UpdateEndpoint endpoint = UpdateEndpoint::WithServer(address).value();
    endpoint.connectTimeout = endpoint.sendTimeout = endpoint.receiveTimeout = timeouts;
    endpoint.deadline = deadline;
    return endpoint;
}

UpdateReply GetOnce(const UpdateEndpoint& endpoint) {
    WinInetTransport transport(endpoint);
    return transport.Get(kPath);
}

TEST(WinInetTransportTest, SendsTheServicesRequestAndReadsTheWholeAnswer) {
    std::string body;
    for (int line = 0; line < 100; ++line) {
        body += "line " + std::to_string(line) + "\r\n";
    }
    LoopbackHttpServer server({{200, body}});
    const UpdateReply reply = GetOnce(EndpointOf(server.Address()));

    EXPECT_TRUE(reply.IsOk());
    EXPECT_EQ(reply.body, body);
    const std::vector<LoopbackHttpServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, kPath);
    const std::map<std::string, std::string> expected = {{"user-agent", "Quillmoth Keyhaven"},
                                                         {"accept", "*/*"},
                                                         {"content-type", "text/plain"},
                                                         {"accept-language", "en"},
                                                         {"accept-encoding", "identity"}};
    for (const auto& [name, value] : expected) {
        const auto found = requests[0].headers.find(name);
        ASSERT_NE(found, requests[0].headers.end()) << name;
        EXPECT_EQ(found->second, value) << name;
    }
}

TEST(WinInetTransportTest, OtherStatusesAndBodiesOfTheLimitFail) {
    const std::string longest(UpdateResponseBody::kLimit - 1, 'x');
    LoopbackHttpServer server({{404, "9.9.9\nhttp://example.org/\n"}, {200, longest + "x"}, {200, longest}});
    const UpdateEndpoint endpoint = EndpointOf(server.Address());

    const UpdateReply notFound = GetOnce(endpoint);
    EXPECT_EQ(notFound.status, 404);
    EXPECT_FALSE(notFound.IsOk());
    EXPECT_FALSE(GetOnce(endpoint).complete) << "102,400 characters";
    const UpdateReply justBelow = GetOnce(endpoint);
    EXPECT_TRUE(justBelow.IsOk());
    EXPECT_EQ(justBelow.body.size(), longest.size());
}

TEST(WinInetTransportTest, RefusedStalledAndTricklingServersEndTheRequestInTime) {
    const auto elapsed = [](const UpdateEndpoint& endpoint, UpdateReply& reply) {
        const auto start = std::chrono::steady_clock::now();
        reply = GetOnce(endpoint);
        return std::chrono::steady_clock::now() - start;
    };
    UpdateReply reply;
    EXPECT_LT(elapsed(EndpointOf(LoopbackHttpServer::RefusingAddress()), reply), 5s);
    EXPECT_FALSE(reply.complete) << "refused";

    LoopbackHttpServer stalling({{200, "", Kind::Stall}});
    EXPECT_LT(elapsed(EndpointOf(stalling.Address(), 300ms), reply), 5s);
    EXPECT_FALSE(reply.complete) << "stalled";

    // Each byte comes well within the receive time-out: only the deadline ends it.
    LoopbackHttpServer trickling({{200, "", Kind::Trickle}});
    EXPECT_LT(elapsed(EndpointOf(trickling.Address(), 5s, 1s), reply), 4s);
    EXPECT_FALSE(reply.complete) << "trickled";
}

} // namespace
} // namespace vaultlet

#include "services/UpdateEndpoint.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

TEST(UpdateEndpointTest, AServerIsAHostAndAPort) {
    const std::optional<UpdateEndpoint> loopback = UpdateEndpoint::WithServer("127.0.0.1:8080");
    ASSERT_TRUE(loopback.has_value());
    EXPECT_EQ(loopback->host, "127.0.0.1");
    EXPECT_EQ(loopback->port, 8080);
    EXPECT_EQ(loopback->deadline, UpdateEndpoint{}.deadline);
    EXPECT_EQ(UpdateEndpoint::WithServer("host:1").value_or(UpdateEndpoint{}).port, 1) << "the lowest port";
    for (const char* text : {"127.0.0.1", ":80", "host:", "host:0", "host:65536", "host:80x", "host:-1"}) {
        EXPECT_FALSE(UpdateEndpoint::WithServer(text).has_value()) << text;
    }
}

} // namespace
} // namespace vaultlet

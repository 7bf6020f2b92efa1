#include "core/crypto/Md5.h"

#include "tests/core/crypto/Hex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vaultlet;
using vaultlet::test::Bytes;
using vaultlet::test::ToHex;

namespace {

std::string Digest(const std::vector<std::uint8_t>& message) {
    std::uint8_t digest[Md5::kDigestSize];
    Md5::Hash(message.data(), message.size(), digest);
    return ToHex(digest, sizeof digest);
}

} // namespace

// From the test suite of RFC 1321, appendix A.5: padding alone, one block, padding that needs a second
// block and several blocks.
TEST(Md5Test, MatchesTheRfc1321TestSuite) {
    EXPECT_EQ(Digest(Bytes("")), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Digest(Bytes("abc")), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Digest(Bytes("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(Digest(Bytes("12345678901234567890123456789012345678901234567890123456789012345678901234567890")),
              "57edf4a22be3c955ac49da2e2107b67a");
}

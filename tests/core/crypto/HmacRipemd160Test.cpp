#include "core/crypto/HmacRipemd160.h"

#include "tests/core/crypto/Hex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vaultlet;
using vaultlet::test::ToHex;

namespace {

std::vector<std::uint8_t> Repeated(std::uint8_t byte, std::size_t count) {
    return std::vector<std::uint8_t>(count, byte);
}

std::vector<std::uint8_t> Text(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

struct Vector {
    std::vector<std::uint8_t> key;
    std::vector<std::uint8_t> data;
    const char* digest;
};

// Test cases of RFC 2286, section 2: a short key as the program's 32-byte keys are, and data of more
// than one block (that vector's key, over one block, is hashed first).
TEST(HmacRipemd160Test, GivesThePublishedDigests) {
    const Vector vectors[] = {
        {Repeated(0x0B, 20), Text("Hi There"), "24cb4bd67d20fc1a5d2ed7732dcc39377f0a5668"},
        {Repeated(0xAA, 80), Text("Test Using Larger Than Block-Size Key and Larger Than One Block-Size Data"),
         "69ea60798d71616cce5fd0871e23754cd75d5a0a"},
    };
    for (const Vector& vector : vectors) {
        const HmacRipemd160 hmac(vector.key.data(), vector.key.size());
        // Twice with the same object: a digest leaves nothing behind that changes the next one.
        for (int round = 0; round < 2; ++round) {
            const HmacRipemd160::Digest digest = hmac.Compute(vector.data.data(), vector.data.size());
            EXPECT_EQ(ToHex(digest.data(), digest.size()), vector.digest) << vector.digest << " round " << round;
        }
    }
}

} // namespace

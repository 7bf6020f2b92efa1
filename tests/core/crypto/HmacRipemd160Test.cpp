#include "core/crypto/HmacRipemd160.h"

#include "tests/core/crypto/Hex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vaultlet;
using vaultlet::test::FromHex;
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

// The test cases of RFC 2286, section 2: short and long keys (a key over one block is hashed
// first) and data of one and of more than one block.
TEST(HmacRipemd160Test, GivesThePublishedDigests) {
    const Vector vectors[] = {
        {Repeated(0x0B, 20), Text("Hi There"), "24cb4bd67d20fc1a5d2ed7732dcc39377f0a5668"},
        {Text("Jefe"), Text("what do ya want for nothing?"), "dda6c0213a485a9e24f4742064a7f033b43c4069"},
        {Repeated(0xAA, 20), Repeated(0xDD, 50), "b0b105360de759960ab4f35298e116e295d8e7c1"},
        {FromHex("0102030405060708090a0b0c0d0e0f10111213141516171819"), Repeated(0xCD, 50),
         "d5ca862f4d21d5e610e18b4cf1beb97a4365ecf4"},
        {Repeated(0x0C, 20), Text("Test With Truncation"), "7619693978f91d90539ae786500ff3d8e0518e39"},
        {Repeated(0xAA, 80), Text("Test Using Larger Than Block-Size Key - Hash Key First"),
         "6466ca07ac5eac29e1bd523e5ada7605b791fd8b"},
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

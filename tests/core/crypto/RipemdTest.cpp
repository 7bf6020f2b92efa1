#include "core/crypto/Ripemd.h"

#include "tests/core/crypto/Hex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vaultlet;
using vaultlet::test::Bytes;
using vaultlet::test::ToHex;

namespace {

std::string Digest(RipemdVariant variant, const std::vector<std::uint8_t>& message) {
    std::uint8_t digest[Ripemd::kMaxDigestSize];
    Ripemd::Hash(variant, message.data(), message.size(), digest);
    return ToHex(digest, Ripemd::DigestSize(variant));
}

// Test messages of the RIPEMD designers' page (A. Bosselaers, "The hash function RIPEMD-160",
// homes.esat.kuleuven.be/~bosselae/ripemd160.html), with the digests listed there for the widths the
// program hashes with (no caller uses the 320-bit form): padding alone, one block, padding that needs a
// second block and several blocks.
// Every length up to 300 bytes, fed in pieces, is checked against Crypto++ natively (posix/HashOracleTest).
const std::vector<std::string> kMessages = {
    "",
    "abc",
    "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
    "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
};

struct Published {
    RipemdVariant variant;
    std::vector<std::string> digests;
};

const std::vector<Published> kPublished = {
    {RipemdVariant::Ripemd128,
     {"cdf26213a150dc3ecb610f18f6b38b46", "c14a12199c66e4ba84636b0f69144c77", "a1aa0689d0fafa2ddc22e88b49133a06",
      "3f45ef194732c2dbb2c4a2c769795fa3"}},
    {RipemdVariant::Ripemd160,
     {"9c1185a5c5e9fc54612808977ee8f548b2258d31", "8eb208f7e05d987a9b044a8e98c6b087f15a0bfc",
      "12a053384a9c0c88e405a06c27dcf49ada62eb2b", "9b752e45573d4b39f4dbd3323cab82bf63326bfb"}},
    {RipemdVariant::Ripemd256,
     {"02ba4c4e5f8ecd1877fc52d64d30e37a2d9774fb1e5d026380ae0168e3c5522d",
      "afbd6e228b9d8cbbcef5ca2d03e6dba10ac0bc7dcbe4680e1e42d2e975459b65",
      "3843045583aac6c8c8d9128573e7a9809afb2a0f34ccc36ea9e72f16f6368e3f",
      "06fdcc7a409548aaf91368c06a6275b553e3f099bf0ea4edfd6778df89a890dd"}},
};

} // namespace

TEST(RipemdTest, MatchesTheDesignersVectorsForTheWidthsTheProgramUses) {
    for (const auto& published : kPublished) {
        for (std::size_t i = 0; i < kMessages.size(); ++i) {
            EXPECT_EQ(Digest(published.variant, Bytes(kMessages[i])), published.digests[i])
                << "RIPEMD-" << static_cast<int>(published.variant) << " of message " << i;
        }
    }
}

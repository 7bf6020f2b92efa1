// The hashes against Crypto++ (a test-only oracle, native builds only) on random messages of every
// length from 0 to 300 bytes, fed in random pieces.
#include "core/crypto/Ripemd.h"

#include "tests/core/crypto/Hex.h"
#include "tests/core/crypto/RandomBytes.h"

#include <cryptopp/ripemd.h>

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace vaultlet;
using vaultlet::test::RandomBytes;
using vaultlet::test::ToHex;

namespace {

template <typename Oracle>
std::string OracleDigest(const std::vector<std::uint8_t>& message) {
    Oracle oracle;
    std::uint8_t digest[Oracle::DIGESTSIZE];
    oracle.CalculateDigest(digest, message.data(), message.size());
    return ToHex(digest, sizeof digest);
}

// Feeds the message in random pieces (some empty) to any hash with Add/Finish.
template <typename Hash>
std::string PiecewiseDigest(Hash& hash, std::size_t digestSize, const std::vector<std::uint8_t>& message,
                            std::mt19937& random) {
    std::size_t offset = 0;
    while (offset < message.size()) {
        const std::size_t piece = std::min<std::size_t>(random() % 80, message.size() - offset);
        hash.Add(message.data() + offset, piece);
        offset += piece;
    }
    std::uint8_t digest[64];
    hash.Finish(digest);
    return ToHex(digest, digestSize);
}

template <typename Oracle>
void CompareRipemd(RipemdVariant variant, unsigned seed) {
    std::mt19937 random(seed);
    Ripemd hash(variant);
    for (std::size_t length = 0; length <= 300; ++length) {
        for (int trial = 0; trial < 3; ++trial) {
            const auto message = RandomBytes(random, length);
            ASSERT_EQ(PiecewiseDigest(hash, hash.DigestSize(), message, random), OracleDigest<Oracle>(message))
                << "RIPEMD-" << static_cast<int>(variant) << " length " << length;
        }
    }
}

} // namespace

TEST(HashOracleTest, RipemdWidthsMatchCryptoPP) {
    CompareRipemd<CryptoPP::RIPEMD128>(RipemdVariant::Ripemd128, 1);
    CompareRipemd<CryptoPP::RIPEMD160>(RipemdVariant::Ripemd160, 2);
    CompareRipemd<CryptoPP::RIPEMD256>(RipemdVariant::Ripemd256, 3);
}

#include "core/crypto/Blowfish.h"

#include "tests/core/crypto/Hex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vaultlet;
using vaultlet::test::FromHex;
using vaultlet::test::ToHex;

namespace {

std::vector<std::uint8_t> Encrypt(const std::vector<std::uint8_t>& key, const std::vector<std::uint8_t>& plain) {
    Blowfish blowfish;
    EXPECT_TRUE(blowfish.SetKey(key.data(), key.size()));
    std::vector<std::uint8_t> cipher(plain.size());
    blowfish.EncryptBlocks(plain.data(), cipher.data(), plain.size() / Blowfish::kBlockSize);
    return cipher;
}

std::vector<std::uint8_t> Decrypt(const std::vector<std::uint8_t>& key, const std::vector<std::uint8_t>& cipher) {
    Blowfish blowfish;
    EXPECT_TRUE(blowfish.SetKey(key.data(), key.size()));
    std::vector<std::uint8_t> plain(cipher.size());
    blowfish.DecryptBlocks(cipher.data(), plain.data(), cipher.size() / Blowfish::kBlockSize);
    return plain;
}

} // namespace

// Eric Young's Blowfish test vectors (published with Blowfish by Counterpane, vectors.txt), the set_key
// table's longest key: the block FEDCBA9876543210 under 24 bytes, which cycle through the P-array as the
// files' 32-byte keys do. Many blocks under those keys are EncryptedDatabaseTest's.
TEST(BlowfishTest, MatchesEricYoungsVariableKeyVector) {
    const auto key = FromHex("F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677");
    const auto plain = FromHex("FEDCBA9876543210");
    EXPECT_EQ(ToHex(Encrypt(key, plain)), "05044b62fa52d080");
    EXPECT_EQ(Decrypt(key, FromHex("05044B62FA52D080")), plain);
}

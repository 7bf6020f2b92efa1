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
// table: the block FEDCBA9876543210 under the first 1 to 24 bytes of one key, which exercises the key
// bytes cycling through the P-array for every length up to 24. Many blocks under the files' 32-byte
// keys are EncryptedDatabaseTest's.
TEST(BlowfishTest, MatchesEricYoungsVariableKeyVectors) {
    const auto fullKey = FromHex("F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677");
    const auto plain = FromHex("FEDCBA9876543210");
    const char* const ciphers[] = {
        "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05", "B39E44481BDB1E6E",
        "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82", "15750E7A4F4EC577", "122BA70B3AB64AE0",
        "3A833C9AFFC537F6", "9409DA87A90F6BF2", "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F",
        "93142887EE3BE15C", "03429E838CE2D14B", "A4299E27469FF67B", "AFD5AED1C1BC96A8", "10851C0E3858DA9F",
        "E6F51ED79B9DB21F", "64A6E14AFD36B46F", "80C7D7D45A5479AD", "05044B62FA52D080",
    };
    for (std::size_t length = 1; length <= fullKey.size(); ++length) {
        const std::vector<std::uint8_t> key(fullKey.begin(), fullKey.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_EQ(ToHex(Encrypt(key, plain)), ToHex(FromHex(ciphers[length - 1]))) << length;
        EXPECT_EQ(Decrypt(key, FromHex(ciphers[length - 1])), plain) << length;
    }
}

#include "core/crypto/Blowfish.h"

#include "tests/core/crypto/Hex.h"
#include "tests/core/crypto/RandomBytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace vaultlet;
using vaultlet::test::FromHex;
using vaultlet::test::Lower;
using vaultlet::test::RandomBytes;
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

// Eric Young's Blowfish test vectors (published with Blowfish by Counterpane, vectors.txt): the ECB
// table (8-byte keys, taken from the DES validation tests).
TEST(BlowfishTest, MatchesEricYoungsEcbVectors) {
    const struct {
        const char* key;
        const char* plain;
        const char* cipher;
    } vectors[] = {
        {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
        {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
        {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
        {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
        {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
        {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
        {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
        {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
        {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
        {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
        {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
        {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
        {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
        {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
        {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
        {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
        {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
        {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
        {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
        {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
        {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
        {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
        {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
        {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
        {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
        {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
        {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
        {"1F1F1F1F0E0E0E0E", "0123456789ABCDEF", "A790795108EA3CAE"},
        {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
        {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
        {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
        {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
        {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
    };
    for (const auto& v : vectors) {
        EXPECT_EQ(ToHex(Encrypt(FromHex(v.key), FromHex(v.plain))), Lower(v.cipher)) << v.key;
        EXPECT_EQ(ToHex(Decrypt(FromHex(v.key), FromHex(v.cipher))), Lower(v.plain)) << v.key;
    }
}

// The same source's set_key table: the block FEDCBA9876543210 under the first 1 to 24 bytes of one key,
// which exercises the key bytes cycling through the P-array for every length up to 24.
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
        EXPECT_EQ(ToHex(Encrypt(key, plain)), Lower(ciphers[length - 1])) << length;
    }
}

// Blocks are independent (ECB): interleaved runs match one block at a time, equal blocks give equal
// output, and in-place calls work.
TEST(BlowfishTest, BlockRunsAreIndependentBlocks) {
    std::mt19937 random(51);
    const auto key = RandomBytes(random, 32);
    for (std::size_t blocks : {1u, 3u, 4u, 5u, 8u, 11u}) {
        auto plain = RandomBytes(random, 8 * blocks);
        std::copy(plain.begin(), plain.begin() + 8, plain.end() - 8); // last block = first block
        const auto cipher = Encrypt(key, plain);
        EXPECT_EQ(ToHex(cipher.data(), 8), ToHex(cipher.data() + cipher.size() - 8, 8));
        for (std::size_t i = 0; i < blocks; ++i) {
            const std::vector<std::uint8_t> one(plain.begin() + 8 * i, plain.begin() + 8 * (i + 1));
            EXPECT_EQ(ToHex(Encrypt(key, one)), ToHex(cipher.data() + 8 * i, 8)) << blocks << "/" << i;
        }
        auto buffer = plain;
        Blowfish blowfish;
        ASSERT_TRUE(blowfish.SetKey(key.data(), key.size()));
        blowfish.EncryptBlocks(buffer.data(), buffer.data(), blocks);
        EXPECT_EQ(buffer, cipher);
        blowfish.DecryptBlocks(buffer.data(), buffer.data(), blocks);
        EXPECT_EQ(buffer, plain);
    }
}

TEST(BlowfishTest, RefusesEmptyAndOverlongKeys) {
    const std::vector<std::uint8_t> key(64, 1);
    Blowfish blowfish;
    EXPECT_FALSE(blowfish.SetKey(key.data(), 0));
    EXPECT_FALSE(blowfish.SetKey(nullptr, 8));
    EXPECT_FALSE(blowfish.SetKey(key.data(), 57));
    EXPECT_TRUE(blowfish.SetKey(key.data(), 56));
}

// Two key schedules built in step give exactly what two separate SetKey calls give, for every key
// length, and keep nothing of one key in the other.
TEST(BlowfishTest, KeyPairsEqualSeparateKeys) {
    std::mt19937 random(77);
    for (std::size_t length = 1; length <= Blowfish::kMaxKeyLength; ++length) {
        const auto first = RandomBytes(random, length);
        const auto second = RandomBytes(random, length);
        const auto plain = RandomBytes(random, 16);
        Blowfish a;
        Blowfish b;
        ASSERT_TRUE(Blowfish::SetKeyPair(a, first.data(), b, second.data(), length));
        std::vector<std::uint8_t> outA(16);
        std::vector<std::uint8_t> outB(16);
        a.EncryptBlocks(plain.data(), outA.data(), 2);
        b.EncryptBlocks(plain.data(), outB.data(), 2);
        EXPECT_EQ(outA, Encrypt(first, plain)) << length;
        EXPECT_EQ(outB, Encrypt(second, plain)) << length;
    }
    Blowfish a;
    const std::uint8_t key[8] = {};
    EXPECT_FALSE(Blowfish::SetKeyPair(a, key, a, key, 8)) << "one object cannot hold two schedules";
    Blowfish b;
    EXPECT_FALSE(Blowfish::SetKeyPair(a, key, b, key, 0));
}

#include "core/crypto/Twofish.h"

#include "tests/core/crypto/Hex.h"
#include "tests/core/crypto/RandomBytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace vaultlet;
using vaultlet::test::FromHex;
using vaultlet::test::RandomBytes;
using vaultlet::test::ToHex;

namespace {

using Keying = Twofish::Keying;

const Keying kKeyings[] = {Keying::Compact, Keying::Full};

std::vector<std::uint8_t> Encrypt(Keying keying, const std::vector<std::uint8_t>& key,
                                  const std::vector<std::uint8_t>& plain) {
    Twofish twofish;
    EXPECT_TRUE(twofish.SetKey(key.data(), key.size(), keying));
    std::vector<std::uint8_t> cipher(plain.size());
    twofish.EncryptBlocks(plain.data(), cipher.data(), plain.size() / Twofish::kBlockSize);
    return cipher;
}

std::vector<std::uint8_t> Decrypt(Keying keying, const std::vector<std::uint8_t>& key,
                                  const std::vector<std::uint8_t>& cipher) {
    Twofish twofish;
    EXPECT_TRUE(twofish.SetKey(key.data(), key.size(), keying));
    std::vector<std::uint8_t> plain(cipher.size());
    twofish.DecryptBlocks(cipher.data(), plain.data(), cipher.size() / Twofish::kBlockSize);
    return plain;
}

} // namespace

// B. Schneier et al., "Twofish: A 128-Bit Block Cipher": the iterated table test (ecb_tbl.txt). Start
// from zero key and block (the paper's first vector); each step the next block is this step's
// ciphertext and the next key is this block followed by the start of this key. The published values
// of step 49 pin down 49 chained key schedules per key length, and the last one decrypts back.
TEST(TwofishTest, MatchesTheIteratedTableTest) {
    const struct {
        std::size_t keyLength;
        const char* key49;
        const char* plain49;
        const char* cipher49;
    } tables[] = {
        {16, "BCA724A54533C6987E14AA827952F921", "6B459286F3FFD28D49F15B1581B08E42",
         "5D9D4EEFFA9151575524F115815A12E0"},
        {24, "FB66522C332FCC4C042ABE32FA9E902FDEA4F3DA75EC7A8E", "F0AB73301125FA21EF70BE5385FB76B6",
         "E75449212BEEF9F4A390BD860A640941"},
        {32, "248A7F3528B168ACFDD1386E3F51E30C2E2158BC3E5FC714C1EEECA0EA696D48", "431058F4DBC7F734DA4F02F04CC4F459",
         "37FE26FF1CF66175F5DDF4C33B97A205"},
    };
    for (Keying keying : kKeyings) {
        for (const auto& table : tables) {
            std::vector<std::uint8_t> key(table.keyLength, 0);
            std::vector<std::uint8_t> plain(16, 0);
            std::vector<std::uint8_t> cipher = Encrypt(keying, key, plain);
            for (int step = 2; step <= 49; ++step) {
                std::vector<std::uint8_t> next(plain);
                next.insert(next.end(), key.begin(), key.begin() + static_cast<std::ptrdiff_t>(key.size() - 16));
                key = next;
                plain = cipher;
                cipher = Encrypt(keying, key, plain);
            }
            EXPECT_EQ(ToHex(key), ToHex(FromHex(table.key49))) << table.keyLength;
            EXPECT_EQ(ToHex(plain), ToHex(FromHex(table.plain49))) << table.keyLength;
            EXPECT_EQ(ToHex(cipher), ToHex(FromHex(table.cipher49))) << table.keyLength;
            EXPECT_EQ(Decrypt(keying, key, cipher), plain) << table.keyLength;
        }
    }
}

// A block under two keys in step gives what each key gives alone, for every length and keying.
TEST(TwofishTest, BlockPairsEqualSeparateBlocks) {
    std::mt19937 random(43);
    for (const Keying keying : kKeyings) {
        for (std::size_t keyLength : {16u, 24u, 32u}) {
            for (int round = 0; round < 8; ++round) {
                const auto first = RandomBytes(random, keyLength);
                const auto second = RandomBytes(random, keyLength);
                const auto plain = RandomBytes(random, Twofish::kBlockSize);
                Twofish a;
                Twofish b;
                ASSERT_TRUE(a.SetKey(first.data(), first.size(), keying));
                ASSERT_TRUE(b.SetKey(second.data(), second.size(), keying));
                std::vector<std::uint8_t> outA(Twofish::kBlockSize);
                std::vector<std::uint8_t> outB(Twofish::kBlockSize);
                ASSERT_TRUE(Twofish::EncryptBlockPair(a, b, plain.data(), outA.data(), outB.data()));
                EXPECT_EQ(outA, Encrypt(keying, first, plain)) << keyLength;
                EXPECT_EQ(outB, Encrypt(keying, second, plain)) << keyLength;
            }
        }
    }
}

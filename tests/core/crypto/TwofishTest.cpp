#include "core/crypto/Twofish.h"

#include "tests/core/crypto/Hex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vaultlet;
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

// B. Schneier et al., "Twofish: A 128-Bit Block Cipher": the iterated table test (ecb_tbl.txt) for the
// 256-bit keys the files use. Start from zero key and block (the paper's first vector); each step the
// next block is this step's ciphertext and the next key is this block followed by the start of this key.
// The published values of step 49 pin down 49 chained key schedules, and the last one decrypts back.
TEST(TwofishTest, MatchesTheIteratedTableTest) {
    for (Keying keying : kKeyings) {
        std::vector<std::uint8_t> key(32, 0);
        std::vector<std::uint8_t> plain(16, 0);
        std::vector<std::uint8_t> cipher = Encrypt(keying, key, plain);
        for (int step = 2; step <= 49; ++step) {
            std::vector<std::uint8_t> next(plain);
            next.insert(next.end(), key.begin(), key.begin() + 16);
            key = next;
            plain = cipher;
            cipher = Encrypt(keying, key, plain);
        }
        EXPECT_EQ(ToHex(key), "248a7f3528b168acfdd1386e3f51e30c2e2158bc3e5fc714c1eeeca0ea696d48");
        EXPECT_EQ(ToHex(plain), "431058f4dbc7f734da4f02f04cc4f459");
        EXPECT_EQ(ToHex(cipher), "37fe26ff1cf66175f5ddf4c33b97a205");
        EXPECT_EQ(Decrypt(keying, key, cipher), plain);

        // Two engines in step, as the key search runs them, give what each gives alone.
        const std::vector<std::uint8_t> zero(32, 0);
        Twofish last;
        Twofish first;
        ASSERT_TRUE(last.SetKey(key.data(), key.size(), keying) && first.SetKey(zero.data(), zero.size(), keying));
        std::vector<std::uint8_t> both(32);
        ASSERT_TRUE(Twofish::EncryptBlockPair(last, first, plain.data(), both.data(), both.data() + 16));
        const std::vector<std::uint8_t> alone = Encrypt(keying, zero, plain);
        EXPECT_EQ(ToHex(both), ToHex(cipher) + ToHex(alone));
    }
}

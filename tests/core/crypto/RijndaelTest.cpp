#include "core/crypto/Rijndael.h"

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

using Engine = Rijndael::Engine;

const Engine kEngines[] = {Engine::Automatic, Engine::Portable};

std::string EncryptHex(Engine engine, const std::string& key, const std::string& plain) {
    const auto k = FromHex(key);
    auto block = FromHex(plain);
    Rijndael aes(engine);
    EXPECT_EQ(aes.MakeKey(k.data(), k.size(), block.size()), RijndaelResult::Ok);
    EXPECT_EQ(aes.EncryptBlock(block.data(), block.data()), RijndaelResult::Ok);
    return ToHex(block);
}

std::string DecryptHex(Engine engine, const std::string& key, const std::string& cipher) {
    const auto k = FromHex(key);
    auto block = FromHex(cipher);
    Rijndael aes(engine);
    EXPECT_EQ(aes.MakeKey(k.data(), k.size(), block.size()), RijndaelResult::Ok);
    EXPECT_EQ(aes.DecryptBlock(block.data(), block.data()), RijndaelResult::Ok);
    return ToHex(block);
}

struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
};

// FIPS-197, appendix B (the cipher example) and appendix C.1 to C.3 (AES-128, -192, -256).
const Vector kFips197[] = {
    {"2b7e151628aed2a6abf7158809cf4f3c", "3243f6a8885a308d313198a2e0370734", "3925841d02dc09fbdc118597196a0b32"},
    {"000102030405060708090a0b0c0d0e0f", "00112233445566778899aabbccddeeff", "69c4e0d86a7b0430d8cdb78070b4c55a"},
    {"000102030405060708090a0b0c0d0e0f1011121314151617", "00112233445566778899aabbccddeeff",
     "dda97ca4864cdfe06eaf70a0ec0d7191"},
    {"000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f", "00112233445566778899aabbccddeeff",
     "8ea2b7ca516745bfeafc49904b496089"},
};

// Rijndael with 192- and 256-bit blocks: the vectors for every block and key length in Brian Gladman's
// description of Rijndael and AES (key and plaintext are prefixes of the digits of e and pi); the
// 128-bit block rows also cross the AES vectors above.
const char* const kGladmanKey = "2b7e151628aed2a6abf7158809cf4f3c762e7160f38b4da56a784d9045190cfe";
const char* const kGladmanPlain = "3243f6a8885a308d313198a2e03707344a4093822299f31d0082efa98ec4e6c8";

struct GladmanVector {
    int blockBytes;
    int keyBytes;
    const char* cipher;
};

const GladmanVector kGladman[] = {
    {16, 16, "3925841d02dc09fbdc118597196a0b32"},
    {16, 24, "f9fb29aefc384a250340d833b87ebc00"},
    {16, 32, "1a6e6c2c662e7da6501ffb62bc9e93f3"},
    {24, 16, "b24d275489e82bb8f7375e0d5fcdb1f481757c538b65148a"},
    {24, 24, "725ae43b5f3161de806a7c93e0bca93c967ec1ae1b71e1cf"},
    {24, 32, "0ebacf199e3315c2e34b24fcc7c46ef4388aa475d66c194c"},
    {32, 16, "7d15479076b69a46ffb3b3beae97ad8313f622f67fedb487de9f06b9ed9c8f19"},
    {32, 24, "5d7101727bb25781bf6715b0e6955282b9610e23a43c2eb062699f0ebf5887b2"},
    {32, 32, "a49406115dfb30a40418aafa4869b7c6a886ff31602a7dd19c889dc64f7e4e7a"},
};

} // namespace

TEST(RijndaelTest, MatchesFips197OnBothEngines) {
    for (Engine engine : kEngines) {
        for (const auto& v : kFips197) {
            EXPECT_EQ(EncryptHex(engine, v.key, v.plain), v.cipher) << v.key;
            EXPECT_EQ(DecryptHex(engine, v.key, v.cipher), v.plain) << v.key;
        }
    }
}

TEST(RijndaelTest, MatchesGladmansVectorsForEveryBlockAndKeyLength) {
    const std::string key(kGladmanKey);
    const std::string plain(kGladmanPlain);
    for (Engine engine : kEngines) {
        for (const auto& v : kGladman) {
            const std::string k = key.substr(0, 2 * v.keyBytes);
            const std::string p = plain.substr(0, 2 * v.blockBytes);
            EXPECT_EQ(EncryptHex(engine, k, p), v.cipher) << v.blockBytes << "/" << v.keyBytes;
            EXPECT_EQ(DecryptHex(engine, k, v.cipher), p) << v.blockBytes << "/" << v.keyBytes;
        }
    }
}

TEST(RijndaelTest, RefusesInvalidUseWithItsTexts) {
    EXPECT_STREQ(RijndaelResultText(RijndaelResult::Ok), "");
    EXPECT_STREQ(RijndaelResultText(RijndaelResult::EmptyKey), "Empty key");
    EXPECT_STREQ(RijndaelResultText(RijndaelResult::IncorrectKeyLength), "Incorrect key length");
    EXPECT_STREQ(RijndaelResultText(RijndaelResult::IncorrectBlockLength), "Incorrect block length");
    EXPECT_STREQ(RijndaelResultText(RijndaelResult::NotInitialized), "Object not Initialized");
    EXPECT_STREQ(RijndaelResultText(RijndaelResult::DataNotMultipleOfBlockSize), "Data not multiple of Block Size");

    const std::vector<std::uint8_t> key(32, 7);
    std::vector<std::uint8_t> data(48, 0xAB);
    const auto untouched = data;
    Rijndael aes;
    EXPECT_EQ(aes.EncryptBlock(data.data(), data.data()), RijndaelResult::NotInitialized);
    EXPECT_EQ(aes.DecryptBlock(data.data(), data.data()), RijndaelResult::NotInitialized);
    EXPECT_EQ(aes.Encrypt(data.data(), data.data(), 16), RijndaelResult::NotInitialized);
    EXPECT_EQ(aes.MakeKey(nullptr, 16), RijndaelResult::EmptyKey);
    EXPECT_EQ(aes.MakeKey(key.data(), 0), RijndaelResult::EmptyKey);
    for (std::size_t length : {1u, 8u, 15u, 17u, 20u, 31u, 33u, 64u}) {
        EXPECT_EQ(aes.MakeKey(key.data(), length), RijndaelResult::IncorrectKeyLength) << length;
    }
    for (std::size_t block : {0u, 8u, 15u, 20u, 33u, 64u}) {
        EXPECT_EQ(aes.MakeKey(key.data(), 16, block), RijndaelResult::IncorrectBlockLength) << block;
    }
    // None of the refused keys took effect.
    EXPECT_EQ(aes.Encrypt(data.data(), data.data(), 16), RijndaelResult::NotInitialized);
    EXPECT_EQ(data, untouched);

    ASSERT_EQ(aes.MakeKey(key.data(), 32, 24), RijndaelResult::Ok);
    EXPECT_EQ(aes.Encrypt(data.data(), data.data(), 16), RijndaelResult::DataNotMultipleOfBlockSize);
    EXPECT_EQ(aes.Decrypt(data.data(), data.data(), 47), RijndaelResult::DataNotMultipleOfBlockSize);
    EXPECT_EQ(data, untouched);
    EXPECT_EQ(aes.Encrypt(data.data(), data.data(), 0), RijndaelResult::Ok);
    EXPECT_EQ(aes.Encrypt(data.data(), data.data(), 48), RijndaelResult::Ok);
    EXPECT_NE(data, untouched);

    aes.Wipe();
    EXPECT_EQ(aes.Decrypt(data.data(), data.data(), 48), RijndaelResult::NotInitialized);
}

// The processor's AES instructions and the tables must compute the same function, for single blocks,
// for runs that fill the eight-block pipeline and for the tails after it.
TEST(RijndaelTest, HardwareAndTablesAgree) {
    if (!Rijndael::HardwareAvailable()) {
        GTEST_SKIP() << "no AES instructions on this processor";
    }
    std::mt19937 random(31);
    for (std::size_t keyLength : {16u, 24u, 32u}) {
        for (std::size_t blocks : {1u, 2u, 7u, 8u, 9u, 15u, 16u, 17u, 33u, 40u}) {
            const auto key = RandomBytes(random, keyLength);
            const auto plain = RandomBytes(random, 16 * blocks);
            std::vector<std::uint8_t> fast(plain.size());
            std::vector<std::uint8_t> slow(plain.size());
            Rijndael hardware(Engine::Automatic);
            Rijndael tables(Engine::Portable);
            ASSERT_EQ(hardware.MakeKey(key.data(), keyLength), RijndaelResult::Ok);
            ASSERT_EQ(tables.MakeKey(key.data(), keyLength), RijndaelResult::Ok);
            EXPECT_TRUE(hardware.UsesHardware());
            EXPECT_FALSE(tables.UsesHardware());
            ASSERT_EQ(hardware.Encrypt(plain.data(), fast.data(), plain.size()), RijndaelResult::Ok);
            ASSERT_EQ(tables.Encrypt(plain.data(), slow.data(), plain.size()), RijndaelResult::Ok);
            EXPECT_EQ(fast, slow) << keyLength << "/" << blocks;
            ASSERT_EQ(hardware.Decrypt(fast.data(), fast.data(), fast.size()), RijndaelResult::Ok);
            ASSERT_EQ(tables.Decrypt(slow.data(), slow.data(), slow.size()), RijndaelResult::Ok);
            EXPECT_EQ(fast, plain) << keyLength << "/" << blocks;
            EXPECT_EQ(slow, plain) << keyLength << "/" << blocks;
        }
    }
}

// A key search encrypts the check block under four keys at once; each result must be the block under
// its own key, on the AES instructions and on the tables.
TEST(RijndaelTest, OneBlockUnderSeveralKeysMatchesEachKeyOnItsOwn) {
    std::mt19937 random(37);
    for (std::size_t keyLength : {16u, 32u}) {
        for (int round = 0; round < 20; ++round) {
            const auto keys = RandomBytes(random, keyLength * Rijndael::kKeyLanes);
            const auto plain = RandomBytes(random, 16);
            for (const Engine engine : kEngines) {
                std::vector<std::uint8_t> out(16 * Rijndael::kKeyLanes);
                Rijndael::EncryptBlockUnderKeys(keys.data(), keyLength, plain.data(), out.data(), engine);
                for (std::size_t i = 0; i < Rijndael::kKeyLanes; ++i) {
                    const std::vector<std::uint8_t> key(keys.begin() + keyLength * i,
                                                        keys.begin() + keyLength * (i + 1));
                    const std::vector<std::uint8_t> alone(out.begin() + 16 * i, out.begin() + 16 * (i + 1));
                    EXPECT_EQ(ToHex(alone), EncryptHex(Engine::Portable, ToHex(key), ToHex(plain)))
                        << keyLength << " key " << i;
                }
            }
        }
    }
}

// A lone block decrypts without a decryption schedule; it must match the scheduled path.
TEST(RijndaelTest, SingleBlockDecryptionMatchesScheduledDecryption) {
    std::mt19937 random(32);
    for (Engine engine : kEngines) {
        for (std::size_t keyLength : {16u, 24u, 32u}) {
            const auto key = RandomBytes(random, keyLength);
            const auto cipher = RandomBytes(random, 16 * 9);
            std::vector<std::uint8_t> all(cipher.size());
            Rijndael many(engine);
            ASSERT_EQ(many.MakeKey(key.data(), keyLength), RijndaelResult::Ok);
            ASSERT_EQ(many.Decrypt(cipher.data(), all.data(), cipher.size()), RijndaelResult::Ok);
            for (std::size_t i = 0; i < 9; ++i) {
                Rijndael one(engine);
                ASSERT_EQ(one.MakeKey(key.data(), keyLength), RijndaelResult::Ok);
                std::uint8_t block[16];
                ASSERT_EQ(one.DecryptBlock(cipher.data() + 16 * i, block), RijndaelResult::Ok);
                EXPECT_EQ(ToHex(block, 16), ToHex(all.data() + 16 * i, 16)) << keyLength << "/" << i;
            }
        }
    }
}

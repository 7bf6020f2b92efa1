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

// The vectors for every block and key length in Brian Gladman's description of Rijndael and AES (key
// and plaintext are prefixes of the digits of e and pi). The 128-bit block rows are AES; the first
// is the cipher example of FIPS-197, appendix B.
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

TEST(RijndaelTest, RefusesInvalidUse) {
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

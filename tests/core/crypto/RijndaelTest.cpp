#include "core/crypto/Rijndael.h"

#include "tests/core/crypto/Hex.h"
#include "tests/core/crypto/RandomBytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
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

// The AES vectors in Brian Gladman's description of Rijndael and AES (key and
// plaintext are prefixes of the digits of e and pi); the first is the cipher example of FIPS-197,
// appendix B. The program uses only the 128-bit block, with 128- and 256-bit keys.
const char* const kGladmanKey = "2b7e151628aed2a6abf7158809cf4f3c762e7160f38b4da56a784d9045190cfe";
const char* const kGladmanPlain = "3243f6a8885a308d313198a2e0370734";

const std::pair<int, const char*> kGladman[] = {
    {16, "3925841d02dc09fbdc118597196a0b32"},
    {32, "1a6e6c2c662e7da6501ffb62bc9e93f3"},
};

} // namespace

TEST(RijndaelTest, MatchesGladmansAesVectorsForTheProgramsKeyLengths) {
    const std::string plain(kGladmanPlain);
    for (Engine engine : kEngines) {
        for (const auto& [keyBytes, cipher] : kGladman) {
            const std::string k = std::string(kGladmanKey).substr(0, 2 * keyBytes);
            EXPECT_EQ(EncryptHex(engine, k, plain), cipher) << keyBytes;
            EXPECT_EQ(DecryptHex(engine, k, cipher), plain) << keyBytes;
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

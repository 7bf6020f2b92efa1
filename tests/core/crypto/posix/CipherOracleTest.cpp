// The ciphers against Crypto++ (a test-only oracle, native builds only) on random keys and runs of
// every block count, at every key length they take. CipherTest checks the database ciphers' key
// handling on top of these.
#include "core/crypto/Blowfish.h"
#include "core/crypto/Rijndael.h"
#include "core/crypto/Twofish.h"
#include "tests/core/crypto/RandomBytes.h"

#include <cryptopp/aes.h>
#include <cryptopp/blowfish.h>
#include <cryptopp/modes.h>
#include <cryptopp/twofish.h>

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace vaultlet;
using vaultlet::test::RandomBytes;

namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename Algorithm>
Bytes Oracle(bool encrypting, const Bytes& key, const Bytes& in) {
    Bytes out(in.size());
    if (encrypting) {
        typename CryptoPP::ECB_Mode<Algorithm>::Encryption mode(key.data(), key.size());
        mode.ProcessData(out.data(), in.data(), in.size());
    } else {
        typename CryptoPP::ECB_Mode<Algorithm>::Decryption mode(key.data(), key.size());
        mode.ProcessData(out.data(), in.data(), in.size());
    }
    return out;
}

Bytes OurRijndael(Rijndael::Engine engine, bool encrypting, const Bytes& key, const Bytes& in) {
    Bytes out(in.size());
    Rijndael aes(engine);
    EXPECT_EQ(aes.MakeKey(key.data(), key.size()), RijndaelResult::Ok);
    EXPECT_EQ(aes.UsesHardware(), engine == Rijndael::Engine::Automatic && Rijndael::HardwareAvailable());
    EXPECT_EQ(encrypting ? aes.Encrypt(in.data(), out.data(), in.size())
                         : aes.Decrypt(in.data(), out.data(), in.size()),
              RijndaelResult::Ok);
    return out;
}

Bytes OurTwofish(Twofish::Keying keying, bool encrypting, const Bytes& key, const Bytes& in) {
    Bytes out(in.size());
    Twofish twofish;
    EXPECT_TRUE(twofish.SetKey(key.data(), key.size(), keying));
    encrypting ? twofish.EncryptBlocks(in.data(), out.data(), in.size() / 16)
               : twofish.DecryptBlocks(in.data(), out.data(), in.size() / 16);
    return out;
}

Bytes OurBlowfish(bool encrypting, const Bytes& key, const Bytes& in) {
    Bytes out(in.size());
    Blowfish blowfish;
    EXPECT_TRUE(blowfish.SetKey(key.data(), key.size()));
    encrypting ? blowfish.EncryptBlocks(in.data(), out.data(), in.size() / 8)
               : blowfish.DecryptBlocks(in.data(), out.data(), in.size() / 8);
    return out;
}

} // namespace

TEST(CipherOracleTest, RijndaelMatchesCryptoPPAesOnBothEngines) {
    std::mt19937 random(71);
    for (std::size_t keyLength : {16u, 24u, 32u}) {
        for (std::size_t blocks = 0; blocks <= 40; ++blocks) {
            const Bytes key = RandomBytes(random, keyLength);
            const Bytes data = RandomBytes(random, 16 * blocks);
            for (bool encrypting : {true, false}) {
                const Bytes expected = Oracle<CryptoPP::AES>(encrypting, key, data);
                for (auto engine : {Rijndael::Engine::Automatic, Rijndael::Engine::Portable}) {
                    ASSERT_EQ(OurRijndael(engine, encrypting, key, data), expected)
                        << keyLength << "/" << blocks << (encrypting ? " encrypt" : " decrypt");
                }
            }
        }
    }
}

TEST(CipherOracleTest, TwofishMatchesCryptoPPWithBothKeyings) {
    std::mt19937 random(72);
    for (std::size_t keyLength : {16u, 24u, 32u}) {
        for (std::size_t blocks = 0; blocks <= 40; ++blocks) {
            const Bytes key = RandomBytes(random, keyLength);
            const Bytes data = RandomBytes(random, 16 * blocks);
            for (bool encrypting : {true, false}) {
                const Bytes expected = Oracle<CryptoPP::Twofish>(encrypting, key, data);
                for (auto keying : {Twofish::Keying::Compact, Twofish::Keying::Full}) {
                    ASSERT_EQ(OurTwofish(keying, encrypting, key, data), expected)
                        << keyLength << "/" << blocks << (encrypting ? " encrypt" : " decrypt");
                }
            }
        }
    }
}

TEST(CipherOracleTest, BlowfishMatchesCryptoPPForEveryKeyLength) {
    std::mt19937 random(73);
    // Crypto++ takes keys of 4 to 56 bytes; the shorter ones are covered by the published vectors.
    for (std::size_t keyLength = 4; keyLength <= 56; ++keyLength) {
        for (std::size_t blocks : {0u, 1u, 3u, 4u, 5u, 9u, 33u}) {
            const Bytes key = RandomBytes(random, keyLength);
            const Bytes data = RandomBytes(random, 8 * blocks);
            for (bool encrypting : {true, false}) {
                ASSERT_EQ(OurBlowfish(encrypting, key, data), Oracle<CryptoPP::Blowfish>(encrypting, key, data))
                    << keyLength << "/" << blocks;
            }
        }
    }
    // The database format's case: a 32-byte key, here all zero.
    const Bytes zeroKey(32, 0);
    const Bytes block = RandomBytes(random, 8);
    EXPECT_EQ(OurBlowfish(true, zeroKey, block), Oracle<CryptoPP::Blowfish>(true, zeroKey, block));
}

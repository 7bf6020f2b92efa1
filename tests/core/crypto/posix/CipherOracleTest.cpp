// The ciphers against Crypto++ (a test-only oracle, native builds only) on random keys and messages:
// the algorithms on their own at every key length they take, then the four database ciphers with the
// 32-byte keys the file format gives them.
#include "core/crypto/Aes128Cipher.h"
#include "core/crypto/Aes256Cipher.h"
#include "core/crypto/Blowfish.h"
#include "core/crypto/BlowfishCipher.h"
#include "core/crypto/Rijndael.h"
#include "core/crypto/Twofish.h"
#include "core/crypto/TwofishCipher.h"
#include "tests/core/crypto/RandomBytes.h"

#include <cryptopp/aes.h>
#include <cryptopp/blowfish.h>
#include <cryptopp/modes.h>
#include <cryptopp/ripemd.h>
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

// The database ciphers as the file format uses them: SetKey with a 32-byte key, then one call. For AES
// Crypto++ gets the RIPEMD digest of the key, which is what our key buffer holds.
TEST(CipherOracleTest, DatabaseCiphersMatchCryptoPP) {
    std::mt19937 random(74);
    Aes256Cipher aes256;
    Aes128Cipher aes128;
    TwofishCipher twofish;
    BlowfishCipher blowfish;
    for (int trial = 0; trial < 300; ++trial) {
        const Bytes key = RandomBytes(random, 32);
        const std::size_t blocks = random() % 24;
        const bool encrypting = (trial & 1) != 0;
        Bytes hashed256(32);
        Bytes hashed128(16);
        CryptoPP::RIPEMD256().CalculateDigest(hashed256.data(), key.data(), key.size());
        CryptoPP::RIPEMD128().CalculateDigest(hashed128.data(), key.data(), key.size());

        const struct {
            Cipher& cipher;
            Bytes expectedKey;
            bool isAes;
            bool isTwofish;
        } cases[] = {
            {aes256, hashed256, true, false},
            {aes128, hashed128, true, false},
            {twofish, key, false, true},
            {blowfish, key, false, false},
        };
        for (const auto& c : cases) {
            const Bytes data = RandomBytes(random, c.cipher.BlockSize() * blocks);
            Bytes ours(data.size());
            c.cipher.SetKey(key.data(), key.size());
            ASSERT_TRUE(encrypting ? c.cipher.Encrypt(data.data(), ours.data(), data.size())
                                   : c.cipher.Decrypt(data.data(), ours.data(), data.size()));
            const Bytes expected = c.isAes       ? Oracle<CryptoPP::AES>(encrypting, c.expectedKey, data)
                                   : c.isTwofish ? Oracle<CryptoPP::Twofish>(encrypting, c.expectedKey, data)
                                                 : Oracle<CryptoPP::Blowfish>(encrypting, c.expectedKey, data);
            ASSERT_EQ(ours, expected) << c.cipher.Name() << " blocks " << blocks;
        }
    }
}

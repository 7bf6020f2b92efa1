// Rijndael on both engines against Crypto++ (a test-only oracle, native builds only) on random keys
// and runs of every block count, which pass through the lanes of the AES instructions. Twofish's
// many-block runs with either keying are compared with single blocks in SliceCipherTest, and the
// database ciphers' key handling (always a 32-byte file key) with the reference files in
// EncryptedDatabaseTest.
#include "core/crypto/Rijndael.h"
#include "tests/core/crypto/RandomBytes.h"

#include <cryptopp/aes.h>
#include <cryptopp/modes.h>

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

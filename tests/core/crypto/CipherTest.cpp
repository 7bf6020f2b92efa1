#include "core/crypto/Aes128Cipher.h"
#include "core/crypto/Aes256Cipher.h"
#include "core/crypto/Blowfish.h"
#include "core/crypto/CipherRegistry.h"
#include "core/crypto/Rijndael.h"
#include "core/crypto/Ripemd.h"
#include "core/crypto/Twofish.h"
#include "core/crypto/TwofishCipher.h"
#include "tests/core/crypto/RandomBytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <vector>

using namespace vaultlet;
using vaultlet::test::RandomBytes;

namespace {

using Bytes = std::vector<std::uint8_t>;

// What a cipher must compute for a given key buffer, built from the separately verified algorithms.
Bytes RunAlgorithm(int id, const Bytes& buffer, bool encrypting, const Bytes& in) {
    Bytes out(in.size());
    if (id == Aes256Cipher::kId || id == Aes128Cipher::kId) {
        Rijndael aes;
        EXPECT_EQ(aes.MakeKey(buffer.data(), buffer.size()), RijndaelResult::Ok);
        EXPECT_EQ(encrypting ? aes.Encrypt(in.data(), out.data(), in.size())
                             : aes.Decrypt(in.data(), out.data(), in.size()),
                  RijndaelResult::Ok);
    } else if (id == TwofishCipher::kId) {
        Twofish twofish;
        EXPECT_TRUE(twofish.SetKey(buffer.data(), buffer.size()));
        encrypting ? twofish.EncryptBlocks(in.data(), out.data(), in.size() / 16)
                   : twofish.DecryptBlocks(in.data(), out.data(), in.size() / 16);
    } else {
        Blowfish blowfish;
        EXPECT_TRUE(blowfish.SetKey(buffer.data(), buffer.size()));
        encrypting ? blowfish.EncryptBlocks(in.data(), out.data(), in.size() / 8)
                   : blowfish.DecryptBlocks(in.data(), out.data(), in.size() / 8);
    }
    return out;
}

// The key buffer SetKey(key) leaves in a fresh cipher: a RIPEMD digest for AES, the copied bytes over
// the zeroed buffer for the others.
Bytes BufferFor(int id, const Bytes& key) {
    if (id == Aes256Cipher::kId || id == Aes128Cipher::kId) {
        const RipemdVariant variant = id == Aes256Cipher::kId ? RipemdVariant::Ripemd256 : RipemdVariant::Ripemd128;
        Bytes digest(Ripemd::DigestSize(variant));
        Ripemd::Hash(variant, key.data(), key.size(), digest.data());
        return digest;
    }
    Bytes buffer(32, 0);
    std::copy_n(key.begin(), std::min<std::size_t>(key.size(), 32), buffer.begin());
    return buffer;
}

Bytes Call(Cipher& cipher, bool encrypting, const Bytes& in) {
    Bytes out(in.size(), 0xEE);
    EXPECT_TRUE(encrypting ? cipher.Encrypt(in.data(), out.data(), in.size())
                           : cipher.Decrypt(in.data(), out.data(), in.size()));
    return out;
}

class CipherTest : public ::testing::Test {
protected:
    CipherRegistry m_registry;
    std::mt19937 m_random{61};
};

} // namespace

// Runs of many blocks, on both sides of Twofish's switch to precomputed S-boxes, are checked against
// single blocks in SliceCipherTest; these cases cover what the key buffer goes through: AES
// hashes a key of any length (the files' 32 bytes on a path of their own), Twofish and Blowfish copy at
// most 32 bytes into the zeroed buffer.
TEST_F(CipherTest, SetKeyFillsTheKeyBufferForKeysOfAnyLength) {
    const Bytes plain = RandomBytes(m_random, 32);
    for (int i = 0; i < m_registry.Count(); ++i) {
        Cipher& cipher = *m_registry.At(i);
        for (std::size_t length : {0u, 1u, 5u, 16u, 31u, 32u, 33u, 40u, 100u}) {
            const Bytes key = RandomBytes(m_random, length);
            cipher.SetKey(key.data(), key.size());
            EXPECT_EQ(Call(cipher, true, plain), RunAlgorithm(cipher.Id(), BufferFor(cipher.Id(), key), true, plain))
                << cipher.Name() << " " << length;
        }
    }
}

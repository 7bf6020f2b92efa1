#include "core/SliceCipher.h"

#include "core/crypto/CipherRegistry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vaultlet;

namespace {

// The same buffer processed the plain way: one key set-up per block.
std::vector<std::uint8_t> PerBlock(int cipherId, const SecureArray<32>& key, bool encrypt,
                                   std::vector<std::uint8_t> data) {
    CipherRegistry ciphers;
    Cipher* cipher = ciphers.FindById(cipherId);
    for (std::size_t i = 0; i < data.size(); i += cipher->BlockSize()) {
        cipher->SetKey(key.data(), 32);
        EXPECT_TRUE(encrypt ? cipher->Encrypt(&data[i], &data[i], cipher->BlockSize())
                            : cipher->Decrypt(&data[i], &data[i], cipher->BlockSize()));
    }
    return data;
}

} // namespace

TEST(SliceCipherTest, SlicesOnAnyNumberOfThreadsEqualBlockByBlockProcessing) {
    SecureArray<32> key;
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    const std::size_t slice = SliceCipher::kSliceSize;
    for (const int cipherId : {1, 0, 2, 3}) {
        for (const std::size_t size : {std::size_t{0}, std::size_t{16}, slice - 16, slice, 3 * slice + 48}) {
            std::vector<std::uint8_t> data(size);
            for (std::size_t i = 0; i < size; ++i) {
                data[i] = static_cast<std::uint8_t>(i * 31 + size);
            }
            for (const bool encrypt : {true, false}) {
                const std::vector<std::uint8_t> expected = PerBlock(cipherId, key, encrypt, data);
                for (const unsigned threads : {1u, 2u, 5u}) {
                    std::vector<std::uint8_t> actual = data;
                    ASSERT_TRUE(
                        SliceCipher::Run(cipherId, key, encrypt, actual.data(), actual.size(), nullptr, threads));
                    EXPECT_EQ(actual, expected) << cipherId << " size " << size << " threads " << threads;
                }
            }
        }
    }
}

#include "core/crypto/CipherRegistry.h"

#include <gtest/gtest.h>

#include <string>

using namespace vaultlet;

TEST(CipherRegistryTest, ListsTheFourCiphersInDialogOrderAndNothingElse) {
    const CipherRegistry registry;
    ASSERT_EQ(registry.Count(), 4);
    const struct {
        int id;
        std::size_t blockSize;
        const char* name;
    } expected[] = {
        {1, 16, "AES (Rijndael) using 256-bit key"},
        {0, 16, "AES (Rijndael) using 128-bit key"},
        {2, 16, "Twofish (128-bit block cipher using 256-bit key)"},
        {3, 8, "Blowfish (64-bit block cipher using 256-bit key)"},
    };
    for (int i = 0; i < registry.Count(); ++i) {
        const Cipher* cipher = registry.At(i);
        ASSERT_NE(cipher, nullptr) << i;
        EXPECT_EQ(cipher->Id(), expected[i].id) << i;
        EXPECT_EQ(cipher->BlockSize(), expected[i].blockSize) << i;
        EXPECT_STREQ(cipher->Name(), expected[i].name) << i;
        EXPECT_STREQ(cipher->Description(), "") << i;
        EXPECT_EQ(registry.FindById(expected[i].id), cipher) << i;
    }
    // Nothing outside the range: ids of damaged headers must not pick a cipher.
    EXPECT_EQ(registry.At(-1), nullptr);
    EXPECT_EQ(registry.At(4), nullptr);
    EXPECT_EQ(registry.FindById(4), nullptr);
    EXPECT_EQ(registry.FindById(7), nullptr);
    EXPECT_EQ(registry.FindById(-1), nullptr);
}

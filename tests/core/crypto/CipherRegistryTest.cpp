#include "core/crypto/CipherRegistry.h"

#include <gtest/gtest.h>

using namespace vaultlet;

// EncryptedDatabaseTest saves and loads with each cipher; here, that each is found by its id, with the
// file format's block size, and nothing outside the range is.
TEST(CipherRegistryTest, FindsTheFourCiphersByIdAndNothingElse) {
    const CipherRegistry registry;
    ASSERT_EQ(registry.Count(), 4);
    for (int i = 0; i < registry.Count(); ++i) {
        const Cipher* cipher = registry.At(i);
        ASSERT_NE(cipher, nullptr) << i;
        EXPECT_EQ(registry.FindById(cipher->Id()), cipher) << i;
        EXPECT_EQ(cipher->BlockSize(), cipher->Id() == 3 ? 8u : 16u)
            << "the file format's blocks, Blowfish's of 64 bits";
    }
    // Ids of damaged headers must not pick a cipher.
    EXPECT_EQ(registry.At(4), nullptr);
    EXPECT_EQ(registry.FindById(4), nullptr);
    EXPECT_EQ(registry.FindById(-1), nullptr);
}

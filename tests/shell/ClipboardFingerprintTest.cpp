#include "shell/ClipboardFingerprint.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace vaultlet {
namespace {

std::string Hex(const ClipboardFingerprint::Digest& digest) {
    std::string text;
    for (const std::uint8_t byte : digest) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        text += pair;
    }
    return text;
}

// RFC 2286, the HMAC-RIPEMD-160 test cases with a short key, a key of ASCII text and a key longer
// than a block (which is hashed first).
TEST(ClipboardFingerprintTest, TheKeyedDigestIsHmacRipemd160) {
    const std::vector<std::uint8_t> shortKey(20, 0x0b);
    const std::vector<std::uint8_t> textKey = {'J', 'e', 'f', 'e'};
    const std::vector<std::uint8_t> longKey(80, 0xaa);
    EXPECT_EQ(Hex(ClipboardFingerprint::Keyed(shortKey, "Hi There")), "24cb4bd67d20fc1a5d2ed7732dcc39377f0a5668");
    EXPECT_EQ(Hex(ClipboardFingerprint::Keyed(textKey, "what do ya want for nothing?")),
              "dda6c0213a485a9e24f4742064a7f033b43c4069");
    EXPECT_EQ(Hex(ClipboardFingerprint::Keyed(longKey, "Test Using Larger Than Block-Size Key - Hash Key First")),
              "6466ca07ac5eac29e1bd523e5ada7605b791fd8b");
}

TEST(ClipboardFingerprintTest, RecognisesOnlyTheRememberedText) {
    ClipboardFingerprint fingerprint;
    EXPECT_FALSE(fingerprint.Matches(""));
    fingerprint.Remember("s3cret");
    EXPECT_TRUE(fingerprint.IsSet());
    EXPECT_TRUE(fingerprint.Matches("s3cret"));
    for (const char* other : {"", "s3cre", "s3cret ", "S3cret", "another"}) {
        EXPECT_FALSE(fingerprint.Matches(other)) << other;
    }
    fingerprint.Forget();
    EXPECT_FALSE(fingerprint.Matches("s3cret"));
}

} // namespace
} // namespace vaultlet

#include "shell/ClipboardFingerprint.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

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

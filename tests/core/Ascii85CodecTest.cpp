#include "core/Ascii85Codec.h"

#include "tests/core/crypto/RandomBytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace vaultlet;

namespace {

std::string DecodeToString(std::string_view text, bool* ok = nullptr) {
    SecureBytes bytes;
    const bool result = Ascii85Codec::Decode(text, bytes);
    if (ok != nullptr) {
        *ok = result;
    }
    return std::string(bytes.data(), bytes.data() + bytes.size());
}

} // namespace

TEST(Ascii85CodecTest, EncodedTextNeverContainsCdataBreakingCharacters) {
    std::mt19937 random(7);
    const std::vector<std::uint8_t> data = test::RandomBytes(random, 4096);
    const SecureString text = Ascii85Codec::Encode(data.data(), data.size());
    const std::string_view inner = text.Viewed().substr(2, text.size() - 4);
    EXPECT_EQ(inner.find_first_of("<>[]"), std::string_view::npos);
}

TEST(Ascii85CodecTest, RoundTripsEveryLengthAndByteValue) {
    std::mt19937 random(11);
    for (std::size_t length = 1; length < 300; ++length) { // empty data is never encoded
        std::vector<std::uint8_t> data(length);
        for (auto& byte : data) {
            // Mix runs of zeros in so that "z" groups appear at every alignment.
            byte = random() % 3 == 0 ? 0 : static_cast<std::uint8_t>(random());
        }
        const SecureString text = Ascii85Codec::Encode(data.data(), data.size());
        SecureBytes decoded;
        ASSERT_TRUE(Ascii85Codec::Decode(text, decoded)) << "length " << length;
        ASSERT_EQ(std::vector<std::uint8_t>(decoded.data(), decoded.data() + decoded.size()), data);
    }
}

TEST(Ascii85CodecTest, DecoderSkipsWhiteSpaceAndControlBytes) {
    const std::string text = std::string("<~9j\r\n q\to^\x7f\x0c~>");
    EXPECT_EQ(DecodeToString(text), "Man ");
}

TEST(Ascii85CodecTest, DecoderRejectsDamagedTextWhole) {
    const char* const damaged[] = {
        "no delimiters",
        "<~~>",            // nothing between the delimiters
        "~><~9jqo^",       // end before start
        "<~9jqo^9jz~>",    // z inside a group
        "<~9jqo^{~>",      // character outside the alphabet
        "<~9jqo^s8W-\"~>", // 2^32: a group above four bytes
        "<~9jqo^uuuuu~>",  // 85^5 - 1
        "<~9jqo^uuu~>",    // a last partial group above its bytes
    };
    for (const char* text : damaged) {
        bool ok = true;
        EXPECT_EQ(DecodeToString(text, &ok), "") << text;
        EXPECT_FALSE(ok) << text;
    }
    bool ok = false;
    EXPECT_EQ(DecodeToString("<~s8W-!~>", &ok), "\xFF\xFF\xFF\xFF");
    EXPECT_TRUE(ok) << "2^32 - 1, the largest group";
    EXPECT_EQ(DecodeToString("<~9~>", &ok), "");
    EXPECT_TRUE(ok) << "a single leftover character yields nothing";
}

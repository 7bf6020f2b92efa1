#include "cli/StorableText.h"

#include "tests/cli/CliFixture.h"
#include "tests/cli/UsageError.h"
#include "tests/support/DatabaseFiles.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class StorableTextTest : public test::CliFixture {};

// The message of the refusal, or "" when the text is accepted.
std::string MessageFor(std::string_view text) {
    return test::UsageErrorOf([&] { RequireStorableText(text, "the value"); });
}

} // namespace

TEST_F(StorableTextTest, NulAndCarriageReturnAreRefusedWithTheReason) {
    EXPECT_EQ(MessageFor(std::string_view("a\0b", 3)), "the value contains a NUL byte, which a database cannot hold");
    EXPECT_EQ(MessageFor("line\r\n"),
              "the value contains a carriage return, which a database cannot hold (it reads back as a line feed)");
    EXPECT_EQ(MessageFor(""), "");
    EXPECT_EQ(MessageFor("tab\there, line\nfeed, <xml> & \"quotes\" 'too'"), "");
}

// Whatever is accepted must come back from the file exactly: every single byte between two letters,
// one item each, through a real save and load.
TEST_F(StorableTextTest, EveryAcceptedByteSurvivesSavingAndLoading) {
    const std::string path = MakeDatabase();
    std::vector<std::string> accepted;
    const auto addEveryAcceptedByte = [&](EncryptedDatabase& database) {
        auto passcard = std::make_unique<Passcard>();
        for (int byte = 0; byte < 256; ++byte) {
            const std::string value = std::string("a") + static_cast<char>(byte) + "b";
            if (MessageFor(value).empty()) {
                auto item = std::make_unique<Item>();
                item->SetValue(value);
                passcard->Add(std::move(item));
                accepted.push_back(value);
            }
        }
        database.At(0)->Add(std::move(passcard));
    };
    ASSERT_TRUE(test::ChangeDatabaseFile(path, addEveryAcceptedByte, kPassword));
    ASSERT_GE(accepted.size(), 126u); // at least every ASCII character but NUL and CR
    const auto loaded = Load(path);
    const Passcard& back = *loaded->At(0)->At(0);
    ASSERT_EQ(back.Count(), accepted.size());
    for (std::size_t i = 0; i < accepted.size(); ++i) {
        EXPECT_EQ(back.At(i)->Value(), accepted[i]) << "item " << i;
    }
}

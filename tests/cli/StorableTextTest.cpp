#include "cli/StorableText.h"

#include "core/EncryptedDatabase.h"
#include "tests/cli/UsageError.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class StorableTextTest : public test::ModelFixture {};

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
    test::TempDir dir;
    const std::string path = dir.File("bytes.kvtdat");
    EncryptedDatabase database;
    database.SetName("bytes");
    database.SetPassword("pw");
    database.SetKeyIterations(1);
    auto group = std::make_unique<Group>("g");
    auto passcard = std::make_unique<Passcard>();
    std::vector<std::string> accepted;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string value = std::string("a") + static_cast<char>(byte) + "b";
        if (MessageFor(value).empty()) {
            auto item = std::make_unique<Item>();
            item->SetName(std::to_string(byte));
            item->SetValue(value);
            passcard->Add(std::move(item));
            accepted.push_back(value);
        }
    }
    ASSERT_GE(accepted.size(), 126u); // at least every ASCII character but NUL and CR
    group->Add(std::move(passcard));
    database.Add(std::move(group));
    ASSERT_TRUE(database.Save(path));

    EncryptedDatabase loaded;
    loaded.SetPassword("pw");
    ASSERT_EQ(loaded.Load(path), LoadResult::Loaded);
    const Passcard& back = *loaded.At(0)->At(0);
    ASSERT_EQ(back.Count(), accepted.size());
    for (std::size_t i = 0; i < accepted.size(); ++i) {
        EXPECT_EQ(back.At(i)->Value(), accepted[i]) << "item " << back.At(i)->Name().Viewed();
    }
}

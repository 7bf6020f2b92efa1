#include "core/Passcard.h"

#include "core/Clock.h"
#include "core/ModifiedFlag.h"
#include "core/WindowIdRegistry.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class PasscardTest : public test::ModelFixture {};

std::unique_ptr<Item> MakeItem(const char* name, const char* value) {
    auto item = std::make_unique<Item>();
    item->SetName(name);
    item->SetValue(value);
    return item;
}

} // namespace

TEST_F(PasscardTest, EmptyTemplateReadsAsTheDefaultButStaysEmpty) {
    Passcard passcard;
    EXPECT_EQ(passcard.AutofillString(), "<Login>{TAB}<Password>");
    EXPECT_TRUE(passcard.StoredAutofillString().empty());
    passcard.SetAutofillString("<Password>{ENTER}");
    EXPECT_EQ(passcard.AutofillString(), "<Password>{ENTER}");
    passcard.SetAutofillString("");
    EXPECT_EQ(passcard.AutofillString(), "<Login>{TAB}<Password>");
}

TEST_F(PasscardTest, ExpiryComparesWithTheCurrentUtcFileTime) {
    Passcard passcard;
    EXPECT_FALSE(passcard.IsExpired());
    Clock::SetFixed(4000000000); // far future: an unset expiry still never expires
    EXPECT_FALSE(passcard.IsExpired());

    Clock::SetFixed(kNow);
    const std::uint64_t now = Clock::UnixToFileTime(kNow);
    passcard.SetExpiration(now - 1);
    EXPECT_TRUE(passcard.IsExpired());
    passcard.SetExpiration(now);
    EXPECT_FALSE(passcard.IsExpired());
    passcard.SetExpiration(now + 10000000);
    EXPECT_FALSE(passcard.IsExpired());
    // Values above 2^63 are still compared as unsigned numbers.
    passcard.SetExpiration(0xFFFFFFFFFFFFFFFFull);
    EXPECT_FALSE(passcard.IsExpired());
}

TEST_F(PasscardTest, WindowIdsAreRegisteredAndWithdrawnWithThePasscard) {
    auto& registry = WindowIdRegistry::Instance();
    {
        Passcard first;
        first.SetWindowId("#32770|Pageant");
        EXPECT_TRUE(registry.IsRegistered("#32770|Pageant"));
        first.SetWindowId("");
        EXPECT_FALSE(registry.IsRegistered(""));
        first.SetWindowId("#32770|Pageant");

        {
            // The registry holds no counts: a second carrier's destruction withdraws the shared value.
            Passcard second;
            second.SetWindowId("#32770|Pageant");
        }
        EXPECT_FALSE(registry.IsRegistered("#32770|Pageant"));

        first.SetWindowId("other");
        EXPECT_TRUE(registry.IsRegistered("other"));
    }
    EXPECT_FALSE(registry.IsRegistered("other"));
}

TEST_F(PasscardTest, SettersRaiseModifiedFlagOnlyOnChange) {
    Passcard passcard;
    passcard.SetBookmark(true);
    passcard.SetUseAutofill(true);
    passcard.SetWindow("Login - Browser");
    passcard.SetExpiration(5);
    ModifiedFlag::Clear();
    passcard.SetBookmark(true);
    passcard.SetUseAutofill(true);
    passcard.SetWindow("Login - Browser");
    passcard.SetExpiration(5);
    passcard.SetAutofillString("");
    EXPECT_FALSE(ModifiedFlag::IsRaised());
    passcard.SetWindow("login - browser");
    EXPECT_TRUE(ModifiedFlag::IsRaised());
}

// A clone copies the items and settings but not the bookmark or the time; CopyFrom copies the settings
// alone and leaves the items and the time as they were.
TEST_F(PasscardTest, CloneAndCopyFromCopyTheSettingsButNotTheBookmarkOrTime) {
    Passcard source;
    source.SetName("Mail");
    source.SetComment("work");
    source.SetImage(10);
    source.SetBookmark(true);
    source.SetUseAutofill(true);
    source.SetAutofillString("<Login>{ENTER}");
    source.SetWindow("Inbox");
    source.SetWindowId("id");
    source.SetExpiration(123);
    source.SetTime(5);
    source.Add(MakeItem("Login", "alice"));
    source.Add(MakeItem("Password", "s3cret"));

    Clock::SetFixed(kNow + 60);
    auto clone = source.Clone();
    EXPECT_EQ(clone->Name(), "Mail");
    EXPECT_EQ(clone->Comment(), "work");
    EXPECT_EQ(clone->Image(), 10);
    EXPECT_FALSE(clone->Bookmark());
    EXPECT_TRUE(clone->UseAutofill());
    EXPECT_EQ(clone->AutofillString(), "<Login>{ENTER}");
    EXPECT_EQ(clone->Window(), "Inbox");
    EXPECT_EQ(clone->WindowId(), "id");
    EXPECT_EQ(clone->Expiration(), 123u);
    EXPECT_EQ(clone->Time(), kNow + 60);
    ASSERT_EQ(clone->Count(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_NE(clone->At(i), source.At(i));
        EXPECT_EQ(clone->At(i)->Value(), source.At(i)->Value());
        EXPECT_EQ(clone->At(i)->Parent(), clone.get());
        EXPECT_EQ(clone->At(i)->Time(), kNow + 60);
    }

    Passcard target;
    target.Add(MakeItem("Keep", "me"));
    target.SetTime(42);
    target.CopyFrom(source);
    EXPECT_EQ(target.Name(), "Mail");
    EXPECT_FALSE(target.Bookmark());
    ASSERT_EQ(target.Count(), 1u);
    EXPECT_EQ(target.At(0)->Name(), "Keep");
    EXPECT_EQ(target.Time(), 42);
}

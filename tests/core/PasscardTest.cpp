#include "core/Passcard.h"

#include "core/ModifiedFlag.h"
#include "core/WindowIdRegistry.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using PasscardTest = test::ModelFixture;

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

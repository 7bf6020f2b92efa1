#include "shell/ExpirationMenu.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

using expiration_menu::MomentAfter;

// 2024-02-28 13:45:10, local: a leap month, so calendar months would give other answers.
constexpr std::uint64_t kShown = 133536015100000000ULL;
constexpr std::uint64_t kNow = 133000000000000000ULL;

TEST(ExpirationMenuTest, EachSpanAddsFixedDaysToTheShownMoment) {
    const std::pair<int, std::uint64_t> spans[] = {
        {ID_EXPIRE_DAY, 1},         {ID_EXPIRE_WEEK, 7},          {ID_EXPIRE_TWO_WEEKS, 14}, {ID_EXPIRE_MONTH, 30},
        {ID_EXPIRE_TWO_MONTHS, 60}, {ID_EXPIRE_THREE_MONTHS, 90}, {ID_EXPIRE_YEAR, 365},
    };
    for (const auto& [command, days] : spans) {
        EXPECT_TRUE(expiration_menu::IsCommand(command)) << command;
        EXPECT_EQ(MomentAfter(command, kShown, kNow), kShown + days * 24 * 3600 * 10000000ULL) << command;
    }
}

TEST(ExpirationMenuTest, NowIgnoresTheShownMomentAndOtherCommandsAreNotEntries) {
    EXPECT_TRUE(expiration_menu::IsCommand(ID_EXPIRE_NOW));
    EXPECT_EQ(MomentAfter(ID_EXPIRE_NOW, kShown, kNow), kNow);
    EXPECT_FALSE(expiration_menu::DaysOfCommand(ID_EXPIRE_NOW).has_value());
    EXPECT_FALSE(expiration_menu::IsCommand(ID_EDIT_EDIT));
    EXPECT_FALSE(expiration_menu::IsCommand(ID_EXPIRE_YEAR + 1));
}

} // namespace
} // namespace vaultlet

#include "shell/DpiScale.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

TEST(DpiScaleTest, ValuesThatAreNoResolutionCountAsTheDesignOne) {
    for (const int broken : {0, -96, 1, 47, 961, 1 << 30}) {
        EXPECT_EQ(DpiScale(broken).Dpi(), DpiScale::kDesignDpi) << broken;
    }
    EXPECT_EQ(DpiScale(48).Dpi(), 48);
    EXPECT_EQ(DpiScale(960).Dpi(), 960);
    // The widest screens times the highest scaling stay far inside an int.
    EXPECT_EQ(DpiScale(960).Scale(100000), 1000000);
}

} // namespace
} // namespace vaultlet

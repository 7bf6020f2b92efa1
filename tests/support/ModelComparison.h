#pragma once

#include "core/Database.h"

#include <gtest/gtest.h>

namespace vaultlet::test {

// Every field of both trees equal, node by node (parents excepted). Use with EXPECT_TRUE.
::testing::AssertionResult ModelsEqual(const Database& expected, const Database& actual);

} // namespace vaultlet::test

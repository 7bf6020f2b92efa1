#include "services/UpdateResponseBody.h"

#include <gtest/gtest.h>

#include <string>

namespace vaultlet {
namespace {

TEST(UpdateResponseBodyTest, APieceEndsAtItsFirstZeroByte) {
    UpdateResponseBody body;
    EXPECT_TRUE(body.Append("one\0hidden", 10));
    EXPECT_TRUE(body.Append(" two", 4));
    EXPECT_EQ(body.Text(), "one two");
}

TEST(UpdateResponseBodyTest, ABodyThatReachesTheLimitIsRefused) {
    const std::string piece(UpdateResponseBody::kPieceSize, 'x');
    UpdateResponseBody body;
    std::size_t pieces = 0;
    while (body.Append(piece.data(), piece.size())) {
        ++pieces;
    }
    EXPECT_EQ(pieces, UpdateResponseBody::kLimit / UpdateResponseBody::kPieceSize);

    UpdateResponseBody justBelow;
    const std::string most(UpdateResponseBody::kLimit - 1, 'x');
    EXPECT_TRUE(justBelow.Append(most.data(), most.size()));
    EXPECT_FALSE(justBelow.Append("y", 1)) << "102,400 characters are one too many";
}

} // namespace
} // namespace vaultlet

#include "shell/InstanceRequest.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

using Kind = InstanceRequest::Kind;

} // namespace

TEST(InstanceRequestTest, FirstInstanceComparesOptionsWithoutCaseAndOpensOnlyDrivePaths) {
    EXPECT_EQ(InstanceRequest::ForFirstInstance("").kind, Kind::Normal);
    EXPECT_EQ(InstanceRequest::ForFirstInstance("-minimize").kind, Kind::StartHidden);
    EXPECT_EQ(InstanceRequest::ForFirstInstance("-MINIMIZE").kind, Kind::StartHidden);
    EXPECT_EQ(InstanceRequest::ForFirstInstance("-Restart").kind, Kind::Normal);
    EXPECT_EQ(InstanceRequest::ForFirstInstance("my.kvtdat").kind, Kind::Normal) << "relative paths are ignored";
    EXPECT_EQ(InstanceRequest::ForFirstInstance("\\\\server\\share\\a.kvtdat").kind, Kind::Normal);
    EXPECT_EQ(InstanceRequest::ForFirstInstance("C:\\").kind, Kind::Normal) << "three characters are not enough";
    EXPECT_EQ(InstanceRequest::ForFirstInstance("C:\\a").path, "C:\\a");

    const InstanceRequest quoted = InstanceRequest::ForFirstInstance("\"C:\\data\\my \"file\".kvtdat\"");
    EXPECT_EQ(quoted.kind, Kind::OpenFile);
    EXPECT_EQ(quoted.path, "C:\\data\\my file.kvtdat") << "every quote goes";
}

TEST(InstanceRequestTest, SecondInstanceKnowsOnlyTheExactOptionsAndHandsEverythingElseOver) {
    EXPECT_EQ(InstanceRequest::ForSecondInstance("").kind, Kind::Raise);
    EXPECT_EQ(InstanceRequest::ForSecondInstance("-restart").kind, Kind::Restart);
    EXPECT_EQ(InstanceRequest::ForSecondInstance("-minimize").kind, Kind::Minimize);

    const InstanceRequest capitals = InstanceRequest::ForSecondInstance("-MINIMIZE");
    EXPECT_EQ(capitals.kind, Kind::HandOver);
    EXPECT_EQ(capitals.path, "-MINIMIZE");
    const InstanceRequest path = InstanceRequest::ForSecondInstance("\"D:\\db\\home.kvtdat\"");
    EXPECT_EQ(path.kind, Kind::HandOver);
    EXPECT_EQ(path.path, "D:\\db\\home.kvtdat");
    EXPECT_EQ(InstanceRequest::ForSecondInstance("relative.kvtdat").path, "relative.kvtdat");
}

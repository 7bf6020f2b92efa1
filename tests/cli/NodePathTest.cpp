#include "cli/NodePath.h"

#include "core/Database.h"
#include "tests/cli/UsageError.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class NodePathTest : public test::ModelFixture {
protected:
    std::string UsageErrorOf(std::string_view text) {
        return test::UsageErrorOf([&] { NodePath::Parse(text).Resolve(m_database); });
    }

    Database m_database;
};

std::vector<std::string> NamesOf(const NodePath& path) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < path.Depth(); ++i) {
        names.push_back(path.Name(i));
    }
    return names;
}

} // namespace

TEST_F(NodePathTest, SplitsAtSlashesAndKeepsEscapedSlashesInNames) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(NamesOf(NodePath::Parse("Internet")), Names({"Internet"}));
    EXPECT_EQ(NamesOf(NodePath::Parse("Internet/Mail/Password")), Names({"Internet", "Mail", "Password"}));
    EXPECT_EQ(NamesOf(NodePath::Parse("TCP\\/IP/a\\/b\\/c")), Names({"TCP/IP", "a/b/c"}));
    // Other backslashes are plain characters: Windows account names stay as they are.
    EXPECT_EQ(NamesOf(NodePath::Parse("DOMAIN\\user/x\\")), Names({"DOMAIN\\user", "x\\"}));
    EXPECT_EQ(NamesOf(NodePath::Parse("a\\\\/b")), Names({"a\\/b"}));
    EXPECT_EQ(NamesOf(NodePath::Parse(" spaced name / b ")), Names({" spaced name ", " b "}));

    const NodePath path = NodePath::Parse("TCP\\/IP/Router/Pass");
    EXPECT_EQ(path.Text(), "TCP\\/IP/Router/Pass");
    EXPECT_EQ(path.ParentText(), "TCP\\/IP/Router");
    EXPECT_EQ(path.LastName(), "Pass");
}

TEST_F(NodePathTest, EmptyNamesAndDeepPathsAreUsageErrors) {
    for (const std::string_view text : {"", "/", "a/", "/a", "a//b", "a/b/"}) {
        EXPECT_NE(UsageErrorOf(text).find("has an empty name"), std::string::npos) << text;
    }
    EXPECT_EQ(UsageErrorOf("a/b/c/d"), "PATH \"a/b/c/d\" has more than three names (GROUP/PASSCARD/ITEM)");
}

#include "cli/AddCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class AddCommandTest : public test::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        m_path = MakeDatabase();
        Add(m_path, {"Network/Router"});
    }

    std::string m_path;
};

} // namespace

// The password line comes first and the rest of standard input is the value; with the password
// typed on the terminal, all of standard input is the value.
TEST_F(AddCommandTest, TheValueFromStandardInputFollowsThePasswordLine) {
    Add(m_path, {"Network/Router/Key", "--value-stdin"}, "pw\n-----BEGIN-----\nAAAA\n\n");
    ASSERT_EQ(RunTyped({"add", m_path, "Network/Router/Typed", "--value-stdin"}, {"pw"}, "pw\nvalue\n").status, 0);
    const auto database = Load(m_path);
    EXPECT_EQ(database->At(0)->At(0)->At(0)->Value(), "-----BEGIN-----\nAAAA\n");
    EXPECT_EQ(database->At(0)->At(0)->At(1)->Value(), "pw\nvalue");
}

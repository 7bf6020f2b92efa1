#include "cli/NodeText.h"

#include "core/Clock.h"
#include "core/Group.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class NodeTextTest : public test::ModelFixture {
protected:
    static std::string Text(const SecureString& text) { return std::string(text.Viewed()); }
};

} // namespace

TEST_F(NodeTextTest, TimesAreUtcCalendarTimes) {
    EXPECT_EQ(NodeText::FormatUtc(0), "1970-01-01 00:00:00 UTC");
    EXPECT_EQ(NodeText::FormatUtc(kNow), "2023-11-14 22:13:20 UTC");
    EXPECT_EQ(NodeText::FormatUtc(951782400), "2000-02-29 00:00:00 UTC");
    EXPECT_EQ(NodeText::FormatUtc(4102444799), "2099-12-31 23:59:59 UTC");
    EXPECT_EQ(NodeText::FormatUtc(-1), "1969-12-31 23:59:59 UTC");
}

TEST_F(NodeTextTest, FieldsOfEachKindOfNode) {
    Group group("Internet");
    group.SetComment("web");
    group.Add(std::make_unique<Passcard>());
    EXPECT_EQ(Text(NodeText::Fields(group, false)), "Name: Internet\n"
                                                    "Comment: web\n"
                                                    "Image: -1\n"
                                                    "Created: 2023-11-14 22:13:20 UTC\n"
                                                    "Passcards: 1\n");

    Passcard passcard;
    passcard.SetName("Bank");
    passcard.SetBookmark(true);
    passcard.SetWindow("Login - Bank");
    passcard.SetExpiration(Clock::UnixToFileTime(kNow - 60));
    passcard.Add(std::make_unique<Item>());
    EXPECT_EQ(Text(NodeText::Fields(passcard, false)), "Name: Bank\n"
                                                       "Comment: \n"
                                                       "Image: -1\n"
                                                       "Created: 2023-11-14 22:13:20 UTC\n"
                                                       "Fields: 1\n"
                                                       "Bookmark: yes\n"
                                                       "Autofill: no\n"
                                                       "Autofill string: <Login>{TAB}<Password>\n"
                                                       "Window: Login - Bank\n"
                                                       "Window ID: \n"
                                                       "Expires: 2023-11-14 22:12:20 UTC\n"
                                                       "Expired: yes\n");

    Item item;
    item.ApplyTypeDefaults(ItemType::KeyPassphrase);
    item.SetValue("open sesame");
    item.SetMeta("id_rsa");
    item.SetTime(0);
    const std::uint8_t data[] = {1, 2, 3};
    item.SetBinary(data, sizeof data);
    const std::string masked = Text(NodeText::Fields(item, false));
    EXPECT_EQ(masked, "Name: Key passphrase\n"
                      "Type: Key passphrase\n"
                      "Value: **********\n"
                      "Hidden: yes\n"
                      "Meta: id_rsa\n"
                      "Comment: \n"
                      "Image: 24\n"
                      "Created: \n"
                      "Attachment: 3 bytes\n");
    EXPECT_NE(Text(NodeText::Fields(item, true)).find("Value: open sesame\n"), std::string::npos);
    item.SetType(static_cast<ItemType>(13));
    EXPECT_NE(Text(NodeText::Fields(item, true)).find("Type: Type 13\n"), std::string::npos);
}

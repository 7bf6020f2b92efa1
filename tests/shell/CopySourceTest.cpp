#include "shell/CopySource.h"

#include "core/Group.h"
#include "tests/support/SampleDatabases.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

using test::MakePasscard;

TEST(CopySourceTest, EachCommandAndADoubleClickCopyTheirNodeForEveryKindOfSelection) {
    Group group("Internet");
    // A passcard whose password is not its first field, and one with only an address.
    group.Add(MakePasscard("Mail", {{ItemType::Url, "mail.example"},
                                    {ItemType::Login, "anna"},
                                    {ItemType::Password, "first"},
                                    {ItemType::Password, "second"},
                                    {ItemType::Custom, "note"}}));
    group.Add(MakePasscard("Link", {{ItemType::Url, "news.example"}}));
    const Passcard& mail = *group.At(0);
    const Item* url = mail.At(0);
    const Item* login = mail.At(1);
    const Item* password = mail.At(2);
    const Passcard& link = *group.At(1);

    const struct {
        const ModelNode* selected;
        const ModelNode* selection;
        const ModelNode* login;
        const ModelNode* password;
    } cases[] = {
        {&mail, password, login, password},
        {url, url, login, password},      // a field of the passcard: itself, or its passcard's fields
        {&link, &link, nullptr, nullptr}, // no password: the passcard's name
        {link.At(0), link.At(0), nullptr, nullptr},
        {&group, &group, nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr},
    };
    for (const auto& [selected, selection, loginField, passwordField] : cases) {
        const std::string name = selected != nullptr ? std::string(selected->Name().Viewed()) : "nothing";
        EXPECT_EQ(CopySource(selected, CopyWhat::Selection), selection) << name;
        EXPECT_EQ(CopySource(selected, CopyWhat::Login), loginField) << name;
        EXPECT_EQ(CopySource(selected, CopyWhat::Password), passwordField) << name;
    }
    // A double click copies every field but an address.
    EXPECT_FALSE(DoubleClickCopies(url));
    EXPECT_TRUE(DoubleClickCopies(login));
    EXPECT_TRUE(DoubleClickCopies(password));
    EXPECT_TRUE(DoubleClickCopies(mail.At(4)));
    EXPECT_FALSE(DoubleClickCopies(&mail));
    EXPECT_FALSE(DoubleClickCopies(nullptr));
}

} // namespace
} // namespace vaultlet

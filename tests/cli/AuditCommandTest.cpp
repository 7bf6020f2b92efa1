#include "cli/AuditCommand.h"

#include "core/Clock.h"
#include "core/Group.h"
#include "tests/cli/CliFixture.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/SampleDatabases.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::MakePasscard;
using test::ProcessResult;

namespace {

constexpr std::uint64_t kDay = 864000000000ULL;

using AuditCommandTest = test::CliFixture;

TEST_F(AuditCommandTest, ExitsWithZeroWhenNothingIsFoundAndPrintsEachFindingWithoutThePassword) {
    const std::string path = MakeDatabase();
    const ProcessResult clean = Run({"audit", path});
    EXPECT_EQ(clean.status, 0) << clean.err;
    EXPECT_EQ(clean.out, "");

    std::vector<std::unique_ptr<Passcard>> passcards;
    passcards.push_back(MakePasscard("Mail/Web", {{ItemType::Login, "me"}, {ItemType::Password, "password1"}}));
    passcards.push_back(MakePasscard("Shop", {{ItemType::Password, "rWibMFACxAUGZmxhVncy"}}));
    passcards.push_back(MakePasscard("Bank", {{ItemType::Password, "rWibMFACxAUGZmxhVncy"}}));
    passcards.back()->SetExpiration(Clock::NowFileTime() + 3 * kDay);
    passcards.push_back(MakePasscard("Old", {}));
    passcards.back()->SetExpiration(Clock::NowFileTime() - 2 * kDay);
    ASSERT_TRUE(test::ChangeDatabaseFile(
        path,
        [&](EncryptedDatabase& database) {
            for (auto& passcard : passcards) {
                database.FindByName("Internet")->Add(std::move(passcard));
            }
        },
        kPassword));

    const ProcessResult run = Run({"audit", path});

    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Internet/Old\texpired\t-\texpired 2 days ago\n"
                       "Internet/Shop/Password\treused\t4\tused in 2 passcards\n"
                       "Internet/Bank/Password\treused\t4\tused in 2 passcards\n"
                       "Internet/Mail\\/Web/Password\tweak\t0\twould be guessed instantly\n"
                       "Internet/Bank\texpiring\t-\texpires in 3 days\n");
    // A narrower window leaves the passcard that expires in three days out.
    EXPECT_EQ(Run({"audit", path, "--expiring-days", "2"}).out.find("expiring"), std::string::npos);
}

} // namespace

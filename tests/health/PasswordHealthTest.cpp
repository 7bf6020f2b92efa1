#include "health/PasswordHealth.h"

#include "core/Clock.h"
#include "core/Database.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/SampleDatabases.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace vaultlet;
using vaultlet::test::MakePasscard;

namespace {

constexpr const char* kStrong = "rWibMFACxAUGZmxhVncy";
constexpr const char* kOtherStrong = "Ba9ZyWABu99[BK#6MBgbH88Tofv)vs$w";

class PasswordHealthTest : public test::ModelFixture {
protected:
    Passcard& Add(std::string_view group, std::unique_ptr<Passcard> passcard) {
        Group* found = m_database.FindByName(group);
        if (found == nullptr) {
            m_database.Add(std::make_unique<Group>(group));
            found = m_database.At(m_database.Count() - 1);
        }
        found->Add(std::move(passcard));
        return *found->At(found->Count() - 1);
    }

    HealthReport Analyse(int expiringDays = PasswordHealth::kDefaultExpiringDays) const {
        const std::optional<HealthReport> report = PasswordHealth::Analyse(m_database, expiringDays);
        EXPECT_TRUE(report.has_value());
        return report.value_or(HealthReport{});
    }

    // (kind, passcard name, item name or "", count) of every finding, in report order.
    using Row = std::tuple<FindingKind, std::string, std::string, int>;
    static std::vector<Row> Rows(const HealthReport& report) {
        std::vector<Row> rows;
        for (const HealthFinding& finding : report.findings) {
            rows.emplace_back(finding.kind, std::string(finding.passcard->Name().Viewed()),
                              finding.item ? std::string(finding.item->Name().Viewed()) : std::string(), finding.count);
        }
        return rows;
    }

    static std::uint64_t Now() { return Clock::NowFileTime(); }

    Database m_database;
};

// Every kind of finding, listed by kind, then the most urgent first: the most shared, the weakest.
TEST_F(PasswordHealthTest, FindsEveryKindInOrderOfUrgency) {
    Add("Internet", MakePasscard("Mail", {{ItemType::Password, kStrong}}));
    // The login and the visible field are not passwords; the hidden field is, and it is the login.
    auto shop = MakePasscard("Shop", {{ItemType::Login, "ros3bud99"},
                                      {ItemType::Custom, "ros3bud99"},
                                      {ItemType::Custom, "ros3bud99"},
                                      {ItemType::Password, "Tr0ub4dour&3"}});
    shop->At(1)->SetName("PIN");
    shop->At(1)->SetHidden(true);
    Add("Internet", std::move(shop));
    Add("Internet", MakePasscard("Forum", {{ItemType::Login, "Kx81!zzQ-walrus-Tiber"},
                                           {ItemType::Password, "kx81!ZZQ-Walrus-tiber"}}));
    Add("Internet", MakePasscard("Wintergarden-Pavilion-88", {{ItemType::Password, "wintergarden-pavilion-88"}}));
    // An empty password is only empty: not weak as well, not reused by other empty ones, and not
    // the empty login.
    Add("Internet", MakePasscard("Blank", {{ItemType::Password, ""}, {ItemType::Login, ""}}));
    Add("Internet", MakePasscard("Blank too", {{ItemType::Password, ""}}));
    Add("Banking", MakePasscard("Bank", {{ItemType::Password, kStrong}}));
    Add("Banking", MakePasscard("Card", {{ItemType::Password, kOtherStrong}}));
    // One passcard holding a value twice does not reuse it.
    Add("Network", MakePasscard("Router", {{ItemType::Password, kOtherStrong + std::string("!")},
                                           {ItemType::Password, kOtherStrong + std::string("!")}}));
    auto expiring = MakePasscard("Expiring", {{ItemType::Password, kStrong + std::string("1")}});
    expiring->SetExpiration(Now() + PasswordHealth::kFileTimeDay);
    Add("A", std::move(expiring));
    Add("A", MakePasscard("Somewhat", {{ItemType::Password, "qwER43@!"}}));
    Add("A", MakePasscard("Very", {{ItemType::Password, "password1"}}));
    Add("A", MakePasscard("Shared", {{ItemType::Password, kOtherStrong}}));
    Add("B", MakePasscard("Shared too", {{ItemType::Password, kOtherStrong}}));
    auto expired = MakePasscard("Expired", {{ItemType::Password, kStrong + std::string("2")}});
    expired->SetExpiration(Now() - 1);
    Add("B", std::move(expired));

    const HealthReport report = Analyse();

    EXPECT_EQ(Rows(report), (std::vector<Row>{{FindingKind::Expired, "Expired", "", 0},
                                              {FindingKind::Reused, "Card", "Password", 3},
                                              {FindingKind::Reused, "Shared", "Password", 3},
                                              {FindingKind::Reused, "Shared too", "Password", 3},
                                              {FindingKind::Reused, "Mail", "Password", 2},
                                              {FindingKind::Reused, "Bank", "Password", 2},
                                              {FindingKind::Empty, "Blank", "Password", 0},
                                              {FindingKind::Empty, "Blank too", "Password", 0},
                                              {FindingKind::SameAsLogin, "Shop", "PIN", 0},
                                              {FindingKind::SameAsLogin, "Forum", "Password", 0},
                                              {FindingKind::SameAsName, "Wintergarden-Pavilion-88", "Password", 0},
                                              {FindingKind::Weak, "Very", "Password", 0},
                                              {FindingKind::Weak, "Shop", "PIN", 0},
                                              {FindingKind::Weak, "Somewhat", "Password", 0},
                                              {FindingKind::Expiring, "Expiring", "", 1}}));
    EXPECT_EQ(report.findings[6].strength->score, 0);
    EXPECT_EQ(std::make_tuple(report.passcards, report.passwords, report.expired, report.reused, report.weak,
                              report.expiring),
              std::make_tuple(15u, 17u, 1u, 5u, 7u, 1u));
}

TEST_F(PasswordHealthTest, ReportsExpiryAtTheBoundaries) {
    constexpr std::uint64_t kDay = PasswordHealth::kFileTimeDay;
    const std::pair<const char*, std::uint64_t> expirations[] = {
        {"never", 0},
        {"three days ago", Now() - 3 * kDay},
        {"just now", Now() - 1},
        {"this instant", Now()},
        {"in a day and a bit", Now() + kDay + 1},
        {"at the end of the window", Now() + 14 * kDay},
        {"just after the window", Now() + 14 * kDay + 1},
    };
    for (const auto& [name, expiration] : expirations) {
        auto passcard = MakePasscard(name, {{ItemType::Password, kStrong + std::string(name)}});
        passcard->SetExpiration(expiration);
        Add("Internet", std::move(passcard));
    }

    EXPECT_EQ(Rows(Analyse(14)), (std::vector<Row>{{FindingKind::Expired, "three days ago", "", 3},
                                                   {FindingKind::Expired, "just now", "", 0},
                                                   {FindingKind::Expiring, "this instant", "", 1},
                                                   {FindingKind::Expiring, "in a day and a bit", "", 2},
                                                   {FindingKind::Expiring, "at the end of the window", "", 14}}));
    // With no window only what has passed is reported.
    EXPECT_EQ(Rows(Analyse(0)), (std::vector<Row>{{FindingKind::Expired, "three days ago", "", 3},
                                                  {FindingKind::Expired, "just now", "", 0},
                                                  {FindingKind::Expiring, "this instant", "", 1}}));
    EXPECT_EQ(PasswordHealth::CountExpired(m_database), 2u);
}

} // namespace

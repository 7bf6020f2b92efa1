#include "shell/HealthTexts.h"

#include "core/Group.h"
#include "services/LanguagePack.h"
#include "tests/support/SampleDatabases.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class HealthTextsTest : public ::testing::Test {
protected:
    HealthTextsTest() : m_group("Internet"), m_texts(LanguagePack::Instance()) {
        m_group.Add(test::MakePasscard("Mail", {{ItemType::Password, "x"}}));
        m_passcard = m_group.At(0);
    }

    HealthFinding About(FindingKind kind, int count, double guesses = 0) const {
        return {kind, m_passcard, m_passcard->At(0), StrengthEstimate{guesses, PasswordStrength::ScoreOf(guesses)},
                count};
    }

    Group m_group;
    Passcard* m_passcard = nullptr;
    HealthTexts m_texts;
};

TEST_F(HealthTextsTest, SaysWhyInWordsWithTheNumbersFilledIn) {
    const std::pair<HealthFinding, std::string> cases[] = {
        {About(FindingKind::Expired, 0), "expired less than a day ago"},
        {About(FindingKind::Expired, 3), "expired 3 day(s) ago"},
        {About(FindingKind::Reused, 3), "used in 3 passcards"},
        {About(FindingKind::Empty, 0), "the password is empty"},
        {About(FindingKind::SameAsLogin, 0, 1e12), "the password is the login"},
        {About(FindingKind::SameAsName, 0, 1e12), "the password is the passcard's name"},
        {About(FindingKind::Weak, 0, 10), "would be guessed instantly"},
        {About(FindingKind::Expiring, 5), "expires in 5 day(s)"},
    };
    for (const auto& [finding, reason] : cases) {
        EXPECT_EQ(m_texts.Reason(finding), reason);
    }
}

TEST_F(HealthTextsTest, NamesThePasscardOrThePasswordAndScoresOnlyPasswords) {
    HealthFinding password = About(FindingKind::Weak, 0, 1e7);
    EXPECT_EQ(HealthTexts::Path(password), "Internet / Mail / Password");
    EXPECT_EQ(HealthTexts::Score(password), "2");
    const HealthFinding passcard{FindingKind::Expired, m_passcard, nullptr, std::nullopt, 1};
    EXPECT_EQ(HealthTexts::Path(passcard), "Internet / Mail");
    EXPECT_EQ(HealthTexts::Score(passcard), "");
}

TEST_F(HealthTextsTest, SummarisesWhatWasCheckedAndFound) {
    HealthReport report;
    report.passcards = 12;
    report.passwords = 15;
    EXPECT_EQ(m_texts.Summary(report), "Checked 12 passcards with 15 passwords. Nothing to fix.");
    report.findings.push_back(About(FindingKind::Reused, 2));
    report.expired = 1;
    report.reused = 2;
    report.weak = 3;
    report.expiring = 4;
    EXPECT_EQ(m_texts.Summary(report),
              "Checked 12 passcards with 15 passwords. Expired: 1, reused: 2, weak: 3, expiring soon: 4.");
}

} // namespace

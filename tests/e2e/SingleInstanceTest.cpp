// Starting the real program while a copy of it runs: the second start raises the first and ends,
// hands a file over, asks it to minimise, or restarts it; and the command line forms of a first start.
#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/app/SingleInstance.h"
#include "tests/e2e/ProgramFixture.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet::e2e {
namespace {

using test::ComboItemsOf;
using test::ComboSelectionOf;
using test::IsItemEnabled;
using Texts = std::vector<std::string>;

class SingleInstanceTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        m_home = MakeDatabase("home.kvtdat", "Home");
        Settings::WriteList(setting::kDataBaseList, {m_home});
    }
    // A second start that must end by itself, without a window of its own.
    void StartSecond(const std::string& arguments) {
        const auto second = m_copy.Start(arguments);
        ASSERT_NE(second, nullptr);
        ASSERT_TRUE(second->WaitForExit());
        EXPECT_EQ(second->ExitCode(), 0u);
        EXPECT_EQ(second->FindLogin(), nullptr);
    }
    static bool Visible(HWND window) { return IsWindowVisible(window) != 0; }

    std::string m_home;
};

TEST_F(SingleInstanceTest, MinimizeHidesAFirstStartOrARunningCopyAndASecondStartRaisesIt) {
    // Without a tray icon there is nowhere to hide: the login stays on screen.
    Settings::Write(setting::kShowTrayIcon, 0);
    auto first = m_copy.Start("-MINIMIZE");
    HWND login = first->WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_FALSE(test::WaitUntil([&] { return !Visible(login); }, 1000)) << "no tray icon to hide in";
    PostMessageA(login, WM_COMMAND, ID_APP_EXIT, 0);
    ASSERT_TRUE(first->WaitForExit());

    // A "-minimize" start hides a running copy and a plain one raises it again. The minimise once
    // signalled the raise as well, which raced the hide and won about one time in four: a few rounds.
    Settings::Write(setting::kShowTrayIcon, 1);
    first = m_copy.Start();
    login = first->WaitForLogin();
    ASSERT_NE(login, nullptr);
    for (int round = 1; round <= 3; ++round) {
        StartSecond("-minimize");
        EXPECT_TRUE(test::WaitUntil([&] { return !Visible(login); })) << "hidden to the tray, round " << round;
        StartSecond("");
        EXPECT_TRUE(test::WaitUntil([&] { return Visible(login); })) << "raised again, round " << round;
    }
    EXPECT_EQ(RunningCopies(), std::vector<DWORD>{first->Id()});
    PostMessageA(login, WM_COMMAND, ID_APP_EXIT, 0);
    ASSERT_TRUE(first->WaitForExit());

    // Started hidden, it comes back for a second start.
    first = m_copy.Start("-minimize");
    ASSERT_TRUE(test::WaitUntil([&] { return first->FindLogin() != nullptr; }, 20000));
    login = first->FindLogin();
    ASSERT_TRUE(test::WaitUntil([&] { return !Visible(login); })) << "-minimize starts hidden in the tray";
    StartSecond("");
    EXPECT_TRUE(test::WaitUntil([&] { return Visible(login); }));
}

TEST_F(SingleInstanceTest, AHandedOverPathIsCheckedByTheRunningCopyThenAddedSelectedAndLockedIn) {
    const std::string work = MakeDatabase("work.kvtdat", "Work");
    const auto first = m_copy.Start();
    const HWND login = first->WaitForLogin();
    ASSERT_NE(login, nullptr);
    ASSERT_EQ(ComboItemsOf(login, IDC_LOGIN_DATABASE).size(), 2u);

    // Only a first start knows "-minimize" in any case; here it is a file name.
    StartSecond("-MINIMIZE");
    EXPECT_EQ(AnswerMessageBox(*first), "Incorrect file format");
    EXPECT_TRUE(IsItemEnabled(login, IDC_LOGIN_DATABASE));
    EXPECT_EQ(ComboItemsOf(login, IDC_LOGIN_DATABASE).size(), 2u);

    // A portable copy opened from a file association: its settings option comes first.
    StartSecond("\"" + work + "\"");
    ASSERT_TRUE(test::WaitUntil([&] { return !IsItemEnabled(login, IDC_LOGIN_DATABASE); }));
    EXPECT_EQ(ComboItemsOf(login, IDC_LOGIN_DATABASE), (Texts{"<New...>", "Home [home.kvtdat]", "Work [work.kvtdat]"}));
    EXPECT_EQ(ComboSelectionOf(login, IDC_LOGIN_DATABASE), 2);
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), (Texts{m_home, work}));
}

TEST_F(SingleInstanceTest, RestartWaitsForTheRunningCopyAndStartsExactlyOneNewOne) {
    const auto first = m_copy.Start();
    const HWND login = first->WaitForLogin();
    ASSERT_NE(login, nullptr);
    const auto restarter = m_copy.Start("-restart");
    ASSERT_NE(restarter, nullptr);
    EXPECT_FALSE(restarter->WaitForExit(2500)) << "it waits while the first copy runs";
    EXPECT_TRUE(first->FindLogin() != nullptr);

    test::Click(login, IDCANCEL);
    ASSERT_TRUE(first->WaitForExit());
    ASSERT_TRUE(restarter->WaitForExit()) << "polling once a second, it notices the end";
    EXPECT_EQ(restarter->ExitCode(), 0u);

    HWND fresh = nullptr;
    ASSERT_TRUE(test::WaitUntil(
        [&] { return (fresh = FindLoginOfAnotherProcess({})) != nullptr && IsWindowVisible(fresh); }, 20000));
    const std::vector<DWORD> copies = RunningCopies();
    ASSERT_EQ(copies.size(), 1u) << "exactly one new copy";
    EXPECT_NE(copies[0], first->Id());
    EXPECT_NE(copies[0], restarter->Id());
    // The new copy, started without arguments, uses the settings beside it: the same file.
    EXPECT_EQ(ComboItemsOf(fresh, IDC_LOGIN_DATABASE).size(), 2u);
    PostMessageA(fresh, WM_COMMAND, ID_APP_EXIT, 0);
    EXPECT_TRUE(test::WaitUntil([] { return RunningCopies().empty(); }, 20000));
}

TEST_F(SingleInstanceTest, AFirstStartOpensADrivePathAfterItsSettingsOptionAndRejectsOthers) {
    const std::string work = MakeDatabase("work.kvtdat", "Work");
    auto first = m_copy.Start("\"" + work + "\"");
    HWND login = first->WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(ComboSelectionOf(login, IDC_LOGIN_DATABASE), 2);
    EXPECT_FALSE(IsItemEnabled(login, IDC_LOGIN_DATABASE)) << "the file given is the one to open";
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), (Texts{m_home, work}));
    PostMessageA(login, WM_COMMAND, ID_APP_EXIT, 0);
    ASSERT_TRUE(first->WaitForExit());

    first = m_copy.Start("\"" + OtherFile("notes.txt") + "\"");
    EXPECT_EQ(AnswerMessageBox(*first), "Incorrect file format");
    login = first->WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(IsItemEnabled(login, IDC_LOGIN_DATABASE)) << "then a normal start";
    PostMessageA(login, WM_COMMAND, ID_APP_EXIT, 0);
    ASSERT_TRUE(first->WaitForExit());
}

// A copy of another account, or one started as administrator, owns the instance event with rights this
// start lacks (as an empty access list does to everyone): the start cannot signal it, so it says why and
// ends instead of running as a second copy on the same databases.
TEST_F(SingleInstanceTest, AStartThatCannotReachACopyOfAnotherAccountSaysSoAndEnds) {
    SECURITY_DESCRIPTOR descriptor{};
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    ACL nobody{};
    InitializeAcl(&nobody, sizeof nobody, ACL_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, &nobody, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    const HANDLE foreign = CreateEventA(&attributes, FALSE, FALSE, SingleInstance::kEventName);
    ASSERT_NE(foreign, nullptr);

    const auto start = m_copy.Start();
    EXPECT_EQ(AnswerMessageBox(*start), Text(IDS_RUNNING_ELSEWHERE));
    EXPECT_TRUE(start->WaitForExit());
    EXPECT_EQ(start->FindLogin(), nullptr);
    CloseHandle(foreign);
}

} // namespace
} // namespace vaultlet::e2e

// Window descriptions of real windows of another thread. Which windows the monitor fills is
// WindowMonitorTest's, and the monitor on real prompts of other programs the end-to-end RealInputTest.sh's.
#include "autofill/win32/Win32WindowSystem.h"

#include "autofill/win32/WindowDescription.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <gtest/gtest.h>

#include <string>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

constexpr const char* kPromptDescription = "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:"
                                           "Static:mykey:Edit:FOCUSED::Button:O&K:Button:&Cancel";

class Win32WindowSystemTest : public ModelFixture {
protected:
    static WindowThread::Factory Prompt(const wchar_t* keyName) {
        return [keyName] { return CreatePassphrasePrompt(keyName); };
    }

    static bool PromptReady(const WindowThread& prompt) {
        return prompt.BringToFront() &&
               PumpUntil([&] { return FindFocusWindow(prompt.Window()) == prompt.Control(kPromptEditId); });
    }

    Win32WindowSystem m_windows;
};

} // namespace

TEST_F(Win32WindowSystemTest, DescribesAPromptOfAnotherThreadExactly) {
    WindowThread prompt(Prompt(L"mykey"));
    ASSERT_TRUE(PromptReady(prompt));
    EXPECT_EQ(DescribeWindow(prompt.Window()), kPromptDescription);
    EXPECT_EQ(m_windows.DescribeWindow(prompt.Window()), kPromptDescription);
    EXPECT_EQ(m_windows.FocusWindowOf(prompt.Window()), prompt.Control(kPromptEditId));
    EXPECT_EQ(m_windows.ClassOf(prompt.Window()), "#32770");
    EXPECT_EQ(m_windows.TitleOf(prompt.Window()), "Pageant: Enter Passphrase");
    EXPECT_EQ(m_windows.ProgramOf(prompt.Window()), "autofill_tests.exe");

    // Long texts are cut to 259 characters.
    const std::string longText(300, 'k');
    SetWindowTextA(prompt.Control(kPromptEditId), longText.c_str());
    const SecureString description = DescribeWindow(prompt.Window());
    EXPECT_NE(description.Viewed().find("Edit:FOCUSED:" + std::string(259, 'k') + ":Button"), std::string::npos);

    // A window that is gone is described as nothing.
    HWND window = prompt.Window();
    {
        WindowThread gone(Prompt(L"x"));
        window = gone.Window();
    }
    EXPECT_FALSE(m_windows.Exists(window));
    EXPECT_EQ(DescribeWindow(window), "");
    EXPECT_EQ(DescribeWindow(nullptr), "");
    EXPECT_EQ(m_windows.ClassOf(window), "");
    EXPECT_EQ(m_windows.ProgramOf(window), "");
}

TEST_F(Win32WindowSystemTest, AWindowWithManyChildrenIsDescribedUpToTheLimit) {
    WindowThread crowded([] {
        const HWND window = CreateOwnerWindow();
        const std::string text(200, 't');
        for (int child = 0; child < 100; ++child) {
            CreateWindowExA(0, "Static", text.c_str(), WS_CHILD, 0, 0, 10, 10, window, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
        }
        return window;
    });
    const SecureString description = DescribeWindow(crowded.Window());
    EXPECT_EQ(description.size(), WindowSystem::kMaxDescription);
    EXPECT_EQ(description.Viewed().substr(0, 24), "Static:clipboard owner:S");
}

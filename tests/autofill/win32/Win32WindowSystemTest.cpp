// Window descriptions and the passphrase monitor on real windows of another thread.
#include "autofill/win32/Win32WindowSystem.h"

#include "autofill/WindowMonitor.h"
#include "autofill/win32/Win32InputSender.h"
#include "autofill/win32/WindowDescription.h"
#include "core/Database.h"
#include "tests/autofill/RecordingInputSender.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/win32/PromptProgram.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

constexpr const char* kPromptDescription = "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:"
                                           "Static:mykey:Edit:FOCUSED::Button:O&K:Button:&Cancel";

class Win32WindowSystemTest : public ModelFixture {
protected:
    Win32WindowSystemTest()
        : m_monitor(
              m_windows,
              [this](WindowHandle) -> std::unique_ptr<InputSender> {
                  ++m_sendersMade;
                  return std::make_unique<Win32InputSender>();
              },
              [] {
                  return AutofillOptions{false, 1};
              }) {
        m_monitor.AddBuiltInTemplates();
    }

    void AddKeyPassphrase(std::string_view group, std::string_view keyName, std::string_view value) {
        auto passcard = std::make_unique<Passcard>();
        auto item = std::make_unique<Item>();
        item->ApplyTypeDefaults(ItemType::KeyPassphrase);
        item->SetMeta(keyName);
        item->SetValue(value);
        passcard->Add(std::move(item));
        auto owner = std::make_unique<Group>(group);
        owner->Add(std::move(passcard));
        m_database.Add(std::move(owner));
    }

    static WindowThread::Factory Prompt(const wchar_t* keyName) {
        return [keyName] { return CreatePassphrasePrompt(keyName); };
    }

    // The Pageant prompt in a process of its own, run as the program named.
    static std::unique_ptr<PromptProgram> StartPrompt(const std::string& program, const std::string& keyName) {
        return std::make_unique<PromptProgram>(VAULTLET_PROMPT_HARNESS_PATH, program, keyName);
    }

    static bool PromptReady(const WindowThread& prompt) {
        return prompt.BringToFront() &&
               PumpUntil([&] { return FindFocusWindow(prompt.Window()) == prompt.Control(kPromptEditId); });
    }

    Database m_database;
    Win32WindowSystem m_windows;
    int m_sendersMade = 0;
    WindowMonitor m_monitor;
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

// Which key names match (none when ambiguous or differently cased) is WindowMonitorTest's, and which
// descriptions, classes and programs a template accepts.
TEST_F(Win32WindowSystemTest, MonitorTypesThePassphraseOnceIntoTheAgentsPromptOnly) {
    AddKeyPassphrase("Servers", "mykey", "correct horse");
    AddKeyPassphrase("Servers", "otherkey", "wrong one");

    // The prompt's very shape, shown by this program and by one of another name: nothing.
    WindowThread own(Prompt(L"mykey"));
    ASSERT_TRUE(PromptReady(own));
    EXPECT_FALSE(m_monitor.CheckForeground(&m_database));
    const std::unique_ptr<PromptProgram> lookalike = StartPrompt("keyprompt.exe", "mykey");
    ASSERT_TRUE(lookalike->BringToFront());
    EXPECT_FALSE(m_monitor.CheckForeground(&m_database));
    EXPECT_EQ(m_monitor.LastDescription(), kPromptDescription);
    EXPECT_EQ(m_sendersMade, 0);

    // The same prompt shown by the agent's program gets the passphrase.
    const std::unique_ptr<PromptProgram> pageant = StartPrompt("pageant.exe", "mykey");
    ASSERT_TRUE(pageant->BringToFront());
    EXPECT_TRUE(m_monitor.CheckForeground(&m_database));
    EXPECT_EQ(m_sendersMade, 1);
    EXPECT_TRUE(PumpUntil([&] { return pageant->EditText() == "correct horse"; })) << pageant->EditText();
    EXPECT_TRUE(NoKeyIsPressed());
    EXPECT_EQ(lookalike->EditText(), "");
    EXPECT_EQ(WindowTextOf(own.Control(kPromptEditId)), "");
}

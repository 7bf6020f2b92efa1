// Window descriptions and the passphrase monitor on real windows of another thread.
#include "autofill/win32/Win32WindowSystem.h"

#include "autofill/WindowMonitor.h"
#include "autofill/win32/Win32InputSender.h"
#include "autofill/win32/WindowDescription.h"
#include "core/Database.h"
#include "tests/autofill/RecordingInputSender.h"
#include "tests/support/ModelFixture.h"
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
              [this](WindowHandle owner) -> std::unique_ptr<InputSender> {
                  ++m_sendersMade;
                  return std::make_unique<Win32InputSender>(static_cast<HWND>(owner));
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
}

// Which key names match (none when ambiguous or differently cased) is WindowMonitorTest's.
TEST_F(Win32WindowSystemTest, MonitorTypesTheMatchingPassphraseOnceIntoThePrompt) {
    AddKeyPassphrase("Servers", "mykey", "correct horse");
    AddKeyPassphrase("Servers", "otherkey", "wrong one");
    WindowThread prompt(Prompt(L"mykey"));
    ASSERT_TRUE(PromptReady(prompt));

    EXPECT_TRUE(m_monitor.CheckForeground(&m_database));
    EXPECT_EQ(m_monitor.LastDescription(), kPromptDescription);
    EXPECT_EQ(m_sendersMade, 1);
    const HWND edit = prompt.Control(kPromptEditId);
    EXPECT_TRUE(PumpUntil([&] { return WindowTextOf(edit) == "correct horse"; })) << WindowTextOf(edit);
    EXPECT_TRUE(NoKeyIsPressed());

    // An empty box again (as a prompt of another process always reads): still not typed twice,
    // neither directly nor after the focus went to another window and came back.
    SetWindowTextA(edit, "");
    EXPECT_FALSE(m_monitor.CheckWindow(prompt.Window()));
    {
        WindowThread other(CreateLoginForm);
        ASSERT_TRUE(other.BringToFront());
        EXPECT_FALSE(m_monitor.CheckForeground(&m_database));
    }
    ASSERT_TRUE(PromptReady(prompt));
    EXPECT_FALSE(m_monitor.CheckForeground(&m_database));
    EXPECT_EQ(m_monitor.LastHandled(), prompt.Window());
    EXPECT_EQ(m_sendersMade, 1);
    EXPECT_EQ(WindowTextOf(edit), "");
}

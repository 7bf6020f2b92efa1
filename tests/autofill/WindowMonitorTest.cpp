#include "autofill/WindowMonitor.h"

#include "autofill/KeyPassphraseSearch.h"
#include "core/Database.h"
#include "tests/autofill/FakeWindowSystem.h"
#include "tests/autofill/RecordingInputSender.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace vaultlet;
using vaultlet::test::FakeWindowSystem;
using vaultlet::test::RecordingInputSender;

namespace {

constexpr const char* kPageantPrompt = "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:Static:mykey:"
                                       "Edit:FOCUSED::Button:O&K:Button:&Cancel";

constexpr const char* kQtPrompt = "QWidget:FOCUSED:Alice <alice@example.org>: OpenPGP Passphrase:QLineEdit:";

WindowHandle ShowPageant(FakeWindowSystem& windows, int index, std::string description = kPageantPrompt) {
    return windows.Show(index, std::move(description), "#32770", "pageant.exe");
}

class WindowMonitorTest : public vaultlet::test::ModelFixture {
protected:
    WindowMonitorTest() : m_monitor(m_windows, MakeSenderFactory(), [this] { return m_options; }) {
        m_monitor.AddBuiltInTemplates();
        m_monitor.SetDatabase(&m_database);
    }

    // Each sender the monitor asks for records into one the test keeps.
    InputSenderFactory MakeSenderFactory() {
        return [this](WindowHandle owner) -> std::unique_ptr<InputSender> {
            m_owners.push_back(owner);
            m_senders.push_back(std::make_unique<RecordingInputSender>());
            return std::make_unique<vaultlet::test::ForwardingInputSender>(*m_senders.back());
        };
    }

    Passcard& AddPasscard(std::string_view groupName = "Keys") {
        Group* group = m_database.FindByName(groupName);
        if (group == nullptr) {
            m_database.Add(std::make_unique<Group>(groupName));
            group = m_database.FindByName(groupName);
        }
        group->Add(std::make_unique<Passcard>());
        return *group->Children().back();
    }

    static void AddItem(Passcard& passcard, ItemType type, std::string_view meta, std::string_view value) {
        auto item = std::make_unique<Item>();
        item->ApplyTypeDefaults(type);
        item->SetMeta(meta);
        item->SetValue(value);
        passcard.Add(std::move(item));
    }

    // What was typed into windows through the senders the monitor created, concatenated.
    std::string Typed() const {
        std::string typed;
        for (const auto& sender : m_senders) {
            typed += sender->typed;
        }
        return typed;
    }

    Database m_database;
    FakeWindowSystem m_windows;
    AutofillOptions m_options{false, 0};
    std::vector<WindowHandle> m_owners;
    std::vector<std::unique_ptr<RecordingInputSender>> m_senders;
    WindowMonitor m_monitor;
};

} // namespace

TEST_F(WindowMonitorTest, TypesTheSingleMatchingPassphraseOnceIntoThePrompt) {
    Passcard& passcard = AddPasscard();
    AddItem(passcard, ItemType::KeyPassphrase, "mykey", "s3cret!");
    AddItem(passcard, ItemType::Password, "mykey", "not this");
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "Alice <alice@example.org>", "two");
    const WindowHandle prompt = ShowPageant(m_windows, 0);

    EXPECT_TRUE(m_monitor.CheckWindow(prompt));
    ASSERT_EQ(m_senders.size(), 1u);
    EXPECT_EQ(m_owners.front(), prompt);
    EXPECT_EQ(m_senders.front()->activated, std::vector<WindowHandle>{prompt});
    EXPECT_EQ(Typed(), "s3cret!"); // no Enter: the user confirms the prompt

    // The same window again, also after the focus went elsewhere and came back: nothing more.
    EXPECT_FALSE(m_monitor.CheckWindow(prompt));
    EXPECT_FALSE(m_monitor.CheckWindow(m_windows.Show(1, "Notepad:Untitled:Edit:FOCUSED:", "Notepad", "notepad.exe")));
    EXPECT_FALSE(m_monitor.CheckWindow(prompt));
    EXPECT_EQ(m_senders.size(), 1u);

    // After another recognised window the prompt is handled again; in clipboard mode the value is
    // pasted through the sender made for the prompt.
    EXPECT_TRUE(m_monitor.CheckWindow(m_windows.Show(2, kQtPrompt, "QWidget", "pinentry-qt.exe")));
    m_options.fromClipboard = true;
    EXPECT_TRUE(m_monitor.CheckWindow(prompt));
    EXPECT_EQ(Typed(), "s3cret!twos3cret!");
    EXPECT_EQ(m_owners.back(), prompt);
    EXPECT_EQ(m_senders.back()->events,
              (std::vector<std::string>{"activate", "clip s3cret!", "+Ctrl", "+V", "-V", "-Ctrl", "empty"}));
}

// A web page sets its window's title to the text of a prompt and focuses an input; any program can
// name a window class after one. Only the prompt's own program, with the prompt's window class,
// gets a passphrase, and the key name is one field of the description. No other window gets one.
TEST_F(WindowMonitorTest, PromptsSpoofedByOtherWindowsGetNothing) {
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "mykey", "s3cret!");
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "x:QLineEdit:mykey", "crossed");
    const std::string pageantTitle = std::string(kPageantPrompt) + " - Chromium";
    const std::string qtTitle = "QWidget:FOCUSED:mykey: OpenPGP Passphrase - Chromium";
    const struct {
        std::string description;
        std::string className;
        std::string program;
    } spoofs[] = {
        // A page's title inside the browser window's description.
        {"Chrome_WidgetWin_1:" + pageantTitle + ":Chrome_RenderWidgetHostHWND:FOCUSED:", "Chrome_WidgetWin_1",
         "chrome.exe"},
        {"Chrome_WidgetWin_1:" + qtTitle + ":Chrome_RenderWidgetHostHWND:FOCUSED:", "Chrome_WidgetWin_1", "chrome.exe"},
        // The exact shapes of the prompts, in windows of other programs.
        {kPageantPrompt, "#32770", "chrome.exe"},
        {kPageantPrompt, "#32770", ""},
        {"QWidget:FOCUSED:mykey: OpenPGP Passphrase", "QWidget", "pageant.exe"},
        // A window class named like the start of a prompt, in the right program.
        {kPageantPrompt, "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key", "pageant.exe"},
        // A key name that would run over into the next windows.
        {"QWidget:FOCUSED:x:QLineEdit:mykey: OpenPGP Passphrase", "QWidget", "pinentry.exe"},
        // Other windows, and prompts with nothing to describe or an empty key name.
        {"Notepad:Untitled - Notepad:Edit:FOCUSED:", "Notepad", "notepad.exe"},
        {"", "#32770", "pageant.exe"},
        {"#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:Static::Edit:FOCUSED::Button:O&K:"
         "Button:&Cancel",
         "#32770", "pageant.exe"},
    };
    int slot = 0;
    for (const auto& spoof : spoofs) {
        const WindowHandle window = m_windows.Show(slot++, spoof.description, spoof.className, spoof.program);
        EXPECT_FALSE(m_monitor.CheckWindow(window)) << spoof.description << " / " << spoof.program;
        EXPECT_EQ(m_monitor.LastHandled(), nullptr) << spoof.description << " / " << spoof.program;
    }
    EXPECT_FALSE(m_monitor.CheckWindow(m_windows.Slot(15))); // not a window
    EXPECT_FALSE(m_monitor.CheckWindow(nullptr));
    // Without a database nothing is typed.
    m_monitor.SetDatabase(nullptr);
    EXPECT_FALSE(m_monitor.CheckWindow(m_windows.Show(slot++, kPageantPrompt, "#32770", "pageant.exe")));
    EXPECT_EQ(Typed(), "");

    // The real prompts, their class and program names in any letter case, are still filled.
    m_monitor.SetDatabase(&m_database);
    EXPECT_TRUE(m_monitor.CheckWindow(m_windows.Show(slot++, kPageantPrompt, "#32770", "PAGEANT.EXE")));
    EXPECT_TRUE(m_monitor.CheckWindow(
        m_windows.Show(slot, "QWidget:FOCUSED:mykey: OpenPGP Passphrase:QLineEdit:", "qwidget", "Pinentry-Qt.exe")));
    EXPECT_EQ(Typed(), "s3cret!s3cret!");
}

// Which passcard's passphrase a key name finds: none when two have one, and names compare exactly.
TEST_F(WindowMonitorTest, PassphraseSearchRules) {
    const WindowHandle prompt = ShowPageant(m_windows, 0);
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "MyKey", "wrong case");
    EXPECT_FALSE(m_monitor.CheckWindow(prompt));
    EXPECT_TRUE(m_senders.empty());

    Passcard& first = AddPasscard("A");
    first.SetUseAutofill(false); // every passcard takes part
    AddItem(first, ItemType::KeyPassphrase, "k", "");
    AddItem(AddPasscard("B"), ItemType::KeyPassphrase, "k", "value");
    // An empty value found first does not make the key ambiguous.
    EXPECT_EQ(FindKeyPassphrase(m_database, "k"), "value");
    AddItem(AddPasscard("C"), ItemType::KeyPassphrase, "k", "");
    EXPECT_EQ(FindKeyPassphrase(m_database, "k"), "");
    AddItem(AddPasscard("D"), ItemType::Custom, "x", "custom");
    EXPECT_EQ(FindKeyPassphrase(m_database, "x"), "");
    EXPECT_EQ(FindKeyPassphrase(m_database, "K"), "");
}

TEST_F(WindowMonitorTest, ForegroundChecksRunOnlyOnAChangeOfWindowOrFocus) {
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "mykey", "p");
    const WindowHandle prompt = ShowPageant(m_windows, 0);
    const WindowHandle edit = m_windows.Slot(1);
    m_windows.foreground = prompt;
    m_windows.focus[prompt] = edit;

    EXPECT_FALSE(m_monitor.CheckForeground(nullptr)); // no database: not even the change is taken
    EXPECT_TRUE(m_monitor.CheckForeground(&m_database));
    EXPECT_FALSE(m_monitor.ForegroundChanged());
    EXPECT_FALSE(m_monitor.CheckForeground(&m_database));

    m_windows.focus[prompt] = nullptr;
    EXPECT_TRUE(m_monitor.ForegroundChanged());
    m_windows.foreground = nullptr;
    EXPECT_TRUE(m_monitor.ForegroundChanged());
    EXPECT_FALSE(m_monitor.ForegroundChanged());
}

TEST(WindowTemplateListTest, CapturesTheFirstNonEmptyGroupOfTheLastMatchingTemplate) {
    static constexpr std::string_view kPrograms[] = {"tool.exe"};
    const auto make = [](std::string_view pattern) { return WindowTemplate{pattern, "Form", kPrograms}; };
    WindowTemplateList templates;
    ASSERT_TRUE(templates.Add(make("key={[a-z]*}{[0-9]*}")));
    ASSERT_TRUE(templates.Add(make("user={\\w}")));
    ASSERT_TRUE(templates.Add(make("never")));
    SecureString captured;
    ASSERT_TRUE(templates.Capture("KEY=42", "Form", "tool.exe", captured));
    EXPECT_EQ(captured, "42");
    ASSERT_TRUE(templates.Capture("key=abc user=Bob", "Form", "tool.exe", captured));
    EXPECT_EQ(captured, "Bob");
    // A later template that matches with only empty groups keeps what an earlier one captured.
    ASSERT_TRUE(templates.Add(make("{x*}user")));
    ASSERT_TRUE(templates.Capture("key=abc user=Bob", "Form", "tool.exe", captured));
    EXPECT_EQ(captured, "Bob");
    EXPECT_FALSE(templates.Capture("key=", "Form", "tool.exe", captured));
    EXPECT_EQ(captured, "");
    // Another class or program: no template takes part.
    EXPECT_FALSE(templates.Capture("KEY=42", "Other", "tool.exe", captured));
    EXPECT_FALSE(templates.Capture("KEY=42", "Form", "tool.exe.exe", captured));
    EXPECT_EQ(captured, "");
}

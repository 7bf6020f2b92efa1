#include "autofill/WindowMonitor.h"

#include "autofill/KeyPassphraseSearch.h"
#include "core/Database.h"
#include "tests/autofill/RecordingInputSender.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

using namespace vaultlet;
using vaultlet::test::RecordingInputSender;

namespace {

constexpr const char* kPageantPrompt = "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:Static:mykey:"
                                       "Edit:FOCUSED::Button:O&K:Button:&Cancel";

// Windows are addresses of slots in an array; each has a description and a focus child.
class FakeWindowSystem : public WindowSystem {
public:
    WindowHandle Window(int index) { return &m_slots[index]; }

    WindowHandle ForegroundWindow() override { return foreground; }
    WindowHandle FocusWindowOf(WindowHandle window) override {
        const auto found = focus.find(window);
        return found == focus.end() ? nullptr : found->second;
    }
    bool Exists(WindowHandle window) override { return descriptions.count(window) != 0; }
    SecureString DescribeWindow(WindowHandle window) override {
        ++describeCalls;
        const auto found = descriptions.find(window);
        return found == descriptions.end() ? SecureString() : SecureString(found->second);
    }

    WindowHandle foreground = nullptr;
    std::map<WindowHandle, WindowHandle> focus;
    std::map<WindowHandle, std::string> descriptions;
    int describeCalls = 0;

private:
    int m_slots[8] = {};
};

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
    const WindowHandle prompt = m_windows.Window(0);
    m_windows.descriptions[prompt] = kPageantPrompt;

    EXPECT_TRUE(m_monitor.CheckWindow(prompt));
    EXPECT_EQ(m_monitor.LastDescription(), kPageantPrompt);
    EXPECT_EQ(m_monitor.LastHandled(), prompt);
    ASSERT_EQ(m_senders.size(), 1u);
    EXPECT_EQ(m_owners.front(), prompt);
    EXPECT_EQ(m_senders.front()->activated, std::vector<WindowHandle>{prompt});
    EXPECT_EQ(Typed(), "s3cret!"); // no Enter: the user confirms the prompt
    EXPECT_TRUE(m_senders.front()->pressed.empty());

    // The same window again, also after the focus went elsewhere and came back: nothing more.
    EXPECT_FALSE(m_monitor.CheckWindow(prompt));
    m_windows.descriptions[m_windows.Window(1)] = "Notepad:Untitled:Edit:FOCUSED:";
    EXPECT_FALSE(m_monitor.CheckWindow(m_windows.Window(1)));
    EXPECT_FALSE(m_monitor.CheckWindow(prompt));
    EXPECT_EQ(m_senders.size(), 1u);
}

TEST_F(WindowMonitorTest, APromptIsHandledAgainAfterAnotherRecognisedWindow) {
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "mykey", "one");
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "Alice <alice@example.org>", "two");
    const WindowHandle pageant = m_windows.Window(0);
    const WindowHandle gpg = m_windows.Window(1);
    m_windows.descriptions[pageant] = kPageantPrompt;
    m_windows.descriptions[gpg] = "QWidget:FOCUSED:Alice <alice@example.org>: OpenPGP Passphrase:QLineEdit:";
    EXPECT_TRUE(m_monitor.CheckWindow(pageant));
    EXPECT_TRUE(m_monitor.CheckWindow(gpg));
    EXPECT_TRUE(m_monitor.CheckWindow(pageant));
    EXPECT_EQ(Typed(), "onetwoone");
}

TEST_F(WindowMonitorTest, AmbiguousOrCaseMismatchedKeyNamesTypeNothing) {
    const WindowHandle prompt = m_windows.Window(0);
    m_windows.descriptions[prompt] = kPageantPrompt;
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "MyKey", "wrong case");
    EXPECT_FALSE(m_monitor.CheckWindow(prompt));
    // The template matched (case-insensitively), so the window counts as handled all the same.
    EXPECT_EQ(m_monitor.LastHandled(), prompt);

    WindowMonitor fresh(m_windows, MakeSenderFactory(), [this] { return m_options; });
    fresh.AddBuiltInTemplates();
    fresh.SetDatabase(&m_database);
    AddItem(AddPasscard("Work"), ItemType::KeyPassphrase, "mykey", "first");
    AddItem(AddPasscard("Home"), ItemType::KeyPassphrase, "mykey", "second");
    EXPECT_FALSE(fresh.CheckWindow(prompt));
    EXPECT_TRUE(m_senders.empty());
}

TEST_F(WindowMonitorTest, PassphraseSearchRules) {
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

TEST_F(WindowMonitorTest, UnrecognisedMissingAndEmptyWindows) {
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "mykey", "p");
    const WindowHandle other = m_windows.Window(0);
    m_windows.descriptions[other] = "Notepad:Untitled - Notepad:Edit:FOCUSED:";
    EXPECT_FALSE(m_monitor.CheckWindow(other));
    EXPECT_EQ(m_monitor.LastHandled(), nullptr);
    EXPECT_FALSE(m_monitor.CheckWindow(m_windows.Window(5))); // not a window
    EXPECT_FALSE(m_monitor.CheckWindow(nullptr));
    m_windows.descriptions[m_windows.Window(2)] = "";
    EXPECT_FALSE(m_monitor.CheckWindow(m_windows.Window(2)));
    // A prompt whose key field is empty captures nothing.
    m_windows.descriptions[m_windows.Window(3)] = "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:"
                                                  "Static::Edit:FOCUSED::Button:O&K:Button:&Cancel";
    EXPECT_FALSE(m_monitor.CheckWindow(m_windows.Window(3)));
    EXPECT_EQ(m_monitor.LastHandled(), nullptr);
    // Without a database a recognised prompt is handled but nothing is typed.
    m_monitor.SetDatabase(nullptr);
    m_windows.descriptions[m_windows.Window(4)] = kPageantPrompt;
    EXPECT_FALSE(m_monitor.CheckWindow(m_windows.Window(4)));
    EXPECT_TRUE(m_senders.empty());
}

TEST_F(WindowMonitorTest, ClipboardModePastesThroughTheSenderOwnedByThePrompt) {
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "mykey", "pasted");
    m_options.fromClipboard = true;
    const WindowHandle prompt = m_windows.Window(0);
    m_windows.descriptions[prompt] = kPageantPrompt;
    ASSERT_TRUE(m_monitor.CheckWindow(prompt));
    ASSERT_EQ(m_senders.size(), 1u);
    EXPECT_EQ(m_senders.front()->KeyEvents(),
              (std::vector<std::string>{"activate", "clip pasted", "+Ctrl", "+V", "-V", "-Ctrl", "empty"}));
    EXPECT_EQ(m_senders.front()->clipboard, "");
}

TEST_F(WindowMonitorTest, ForegroundChecksRunOnlyOnAChangeOfWindowOrFocus) {
    AddItem(AddPasscard(), ItemType::KeyPassphrase, "mykey", "p");
    const WindowHandle prompt = m_windows.Window(0);
    const WindowHandle edit = m_windows.Window(1);
    m_windows.descriptions[prompt] = kPageantPrompt;
    m_windows.foreground = prompt;
    m_windows.focus[prompt] = edit;

    EXPECT_FALSE(m_monitor.CheckForeground(nullptr)); // no database: not even the change is taken
    EXPECT_TRUE(m_monitor.CheckForeground(&m_database));
    EXPECT_EQ(m_windows.describeCalls, 1);
    EXPECT_FALSE(m_monitor.ForegroundChanged());
    EXPECT_FALSE(m_monitor.CheckForeground(&m_database));
    EXPECT_EQ(m_windows.describeCalls, 1); // idle: no description built

    m_windows.focus[prompt] = nullptr;
    EXPECT_TRUE(m_monitor.ForegroundChanged());
    m_windows.foreground = nullptr;
    EXPECT_TRUE(m_monitor.ForegroundChanged());
    EXPECT_FALSE(m_monitor.ForegroundChanged());
}

TEST(WindowTemplateListTest, CapturesTheFirstNonEmptyGroupOfTheLastMatchingTemplate) {
    WindowTemplateList templates;
    EXPECT_FALSE(templates.Add("{unclosed"));
    EXPECT_EQ(templates.Count(), 0u);
    ASSERT_TRUE(templates.Add("key={[a-z]*}{[0-9]*}"));
    ASSERT_TRUE(templates.Add("user={\\w}"));
    ASSERT_TRUE(templates.Add("never"));
    SecureString captured;
    ASSERT_TRUE(templates.Capture("KEY=42", captured));
    EXPECT_EQ(captured, "42");
    ASSERT_TRUE(templates.Capture("key=abc user=Bob", captured));
    EXPECT_EQ(captured, "Bob");
    // A later template that matches with only empty groups keeps what an earlier one captured.
    ASSERT_TRUE(templates.Add("{x*}user"));
    ASSERT_TRUE(templates.Capture("key=abc user=Bob", captured));
    EXPECT_EQ(captured, "Bob");
    EXPECT_FALSE(templates.Capture("key=", captured));
    EXPECT_EQ(captured, "");
}

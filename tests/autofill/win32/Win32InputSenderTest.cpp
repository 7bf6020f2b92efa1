// The auto-type engine typing into real windows of another thread through the Win32 sender.
#include "autofill/win32/Win32InputSender.h"

#include "autofill/AutofillEngine.h"
#include "autofill/win32/WindowDescription.h"
#include "core/Passcard.h"
#include "core/TextConversion.h"
#include "tests/autofill/RecordingInputSender.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"
#include "tests/support/win32/ClipboardContents.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

// Checks each pasted copy's markers while it stands on the clipboard. It does not wait for the
// target: the sender itself must keep the text there until the target, which handles its input
// later on its own thread, has read it. Given an event, it then lets another program that reads the
// clipboard as soon as a value is offered go, and sends the paste keys only once that program holds
// the clipboard open, waiting for the text. So it asks first, every time.
class ObservingSender : public ForwardingInputSender {
public:
    ObservingSender(InputSender& target, HWND owner, HANDLE go = nullptr)
        : ForwardingInputSender(target), m_owner(owner), m_go(go) {}

    bool SetClipboardText(std::string_view text) override {
        ++pastes;
        const bool set = ForwardingInputSender::SetClipboardText(text);
        markerFaults += SecretMarkerFaults(m_owner);
        if (m_go != nullptr) {
            SetEvent(m_go);
            readerAsked = PumpUntil([] { return GetOpenClipboardWindow() != nullptr; });
        }
        return set;
    }

    int pastes = 0;
    // What each pasted copy lacked of the markers that keep it out of clipboard history.
    std::string markerFaults;
    bool readerAsked = false;

private:
    HWND m_owner;
    HANDLE m_go;
};

class Win32InputSenderTest : public ModelFixture {
protected:
    void SetUp() override {
        ModelFixture::SetUp();
        m_owner = CreateOwnerWindow();
        ASSERT_NE(m_owner, nullptr);
        // A character the US layout has no key for, in the system's ANSI code page.
        m_eAcute = Utf16ToAnsi(u"\u00e9").Viewed();
        AddItem("Login", "User.Name@example.com");
        AddItem("Password", "p@ss W0rd!~" + m_eAcute + "{}");
    }
    void TearDown() override {
        DestroyWindow(m_owner);
        ModelFixture::TearDown();
    }

    void AddItem(std::string_view name, std::string_view value) {
        auto item = std::make_unique<Item>();
        item->SetName(name);
        item->SetValue(value);
        m_passcard.Add(std::move(item));
    }

    static bool FocusIs(const WindowThread& form, int id) { return FindFocusWindow(form.Window()) == form.Control(id); }
    static bool LoginFocused(const WindowThread& form) {
        return form.BringToFront() && PumpUntil([&] { return FocusIs(form, kLoginEditId); });
    }

    HWND m_owner = nullptr;
    std::string m_eAcute;
    Passcard m_passcard;
};

} // namespace

// In both modes the template reaches the focused controls; pasted copies carry the markers that keep
// them out of clipboard history, and the clipboard is left empty.
TEST_F(Win32InputSenderTest, BothModesFillTheFocusedControls) {
    const std::string password = "p@ss W0rd!~" + m_eAcute + "{}" + m_eAcute;
    for (const bool fromClipboard : {false, true}) {
        SCOPED_TRACE(fromClipboard);
        ASSERT_TRUE(PutClipboardText(m_owner, "what the user copied before"));
        WindowThread form(CreateLoginForm);
        ASSERT_TRUE(LoginFocused(form));
        Win32InputSender win32;
        // The e-acute takes the character-event path, and "@" and "{" need Shift.
        ASSERT_EQ(win32.KeyForChar(m_eAcute.front()), kNoKey);
        ASSERT_EQ(ModifiersOf(win32.KeyForChar('{')), kShiftBit);
        ObservingSender sender(win32, m_owner);
        AutofillEngine engine(sender, AutofillOptions{fromClipboard, 1});
        ASSERT_TRUE(engine.PrepareTemplate(std::string(m_passcard.AutofillString()) + m_eAcute, &m_passcard));
        EXPECT_TRUE(engine.Send(form.Window()));

        EXPECT_TRUE(PumpUntil([&] { return WindowTextOf(form.Control(kPasswordEditId)) == password; }))
            << WindowTextOf(form.Control(kPasswordEditId));
        EXPECT_EQ(WindowTextOf(form.Control(kLoginEditId)), "User.Name@example.com");
        EXPECT_TRUE(FocusIs(form, kPasswordEditId));
        EXPECT_TRUE(NoKeyIsPressed());
        EXPECT_EQ(sender.pastes, fromClipboard ? 2 : 0);
        EXPECT_EQ(sender.markerFaults, "");
        EXPECT_EQ(ClipboardHasText(m_owner), !fromClipboard);
    }
}

// A clipboard monitor that ignores the exclusion markers reads the value before the target can: it
// is not the window the paste keys went to, so it gets nothing, and so does everyone after it; the
// rest of the template is not typed.
TEST_F(Win32InputSenderTest, AProgramReadingThePasteFirstGetsNothingAndTheFillStops) {
    const std::string event = "VaultletClipboardReader-" + std::to_string(GetCurrentProcessId());
    const HANDLE go = CreateEventA(nullptr, TRUE, FALSE, event.c_str());
    ASSERT_NE(go, nullptr);
    const TempDir folder;
    const std::string result = folder.File("read.txt");
    std::string commandLine = "\"" VAULTLET_CLIPBOARD_READER_PATH "\" " + event + " \"" + result + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION reader{};
    ASSERT_TRUE(
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &reader));
    WindowThread form(CreateLoginForm);
    ASSERT_TRUE(LoginFocused(form));

    Win32InputSender win32;
    ObservingSender sender(win32, m_owner, go);
    AutofillEngine engine(sender, AutofillOptions{true, 1});
    ASSERT_TRUE(engine.PrepareTemplate("<Login>{TAB}<Password>x", &m_passcard));
    EXPECT_FALSE(engine.Send(form.Window()));
    EXPECT_TRUE(sender.readerAsked);
    EXPECT_EQ(sender.pastes, 1);

    EXPECT_EQ(WaitForSingleObject(reader.hProcess, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(ReadFileBytes(result), "nothing");
    EXPECT_FALSE(ClipboardHasText(m_owner));
    // Nothing was pasted, and neither the Tab nor the password followed.
    EXPECT_TRUE(PumpUntil([&] { return WindowTextOf(form.Control(kLoginEditId)).empty(); }));
    EXPECT_EQ(WindowTextOf(form.Control(kPasswordEditId)), "");
    EXPECT_TRUE(FocusIs(form, kLoginEditId));
    EXPECT_TRUE(NoKeyIsPressed());
    CloseHandle(reader.hThread);
    CloseHandle(reader.hProcess);
    CloseHandle(go);
}

// With the clipboard held open by someone else the value cannot be handed over, and the sender says
// so: the engine then skips the paste (AutofillEngineTest), which would type what the clipboard held.
TEST_F(Win32InputSenderTest, ClipboardThatCannotBeOpenedIsNotPasted) {
    ASSERT_TRUE(PutClipboardText(m_owner, "another secret"));
    WindowThread holder(
        [] {
            HWND window = CreateOwnerWindow();
            OpenClipboard(window);
            return window;
        },
        [] { CloseClipboard(); });
    Win32InputSender sender;
    EXPECT_FALSE(sender.SetClipboardText("value"));
}

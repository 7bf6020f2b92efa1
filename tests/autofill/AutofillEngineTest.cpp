#include "autofill/AutofillEngine.h"

#include "autofill/SpecialKeyTable.h"
#include "core/Passcard.h"
#include "core/TextConversion.h"
#include "tests/autofill/RecordingInputSender.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using namespace vaultlet;
using vaultlet::test::RecordingInputSender;
using Events = std::vector<std::string>;

namespace {

class AutofillEngineTest : public vaultlet::test::ModelFixture {
protected:
    void AddItem(std::string_view name, std::string_view value) {
        auto item = std::make_unique<Item>();
        item->SetName(name);
        item->SetValue(value);
        m_passcard.Add(std::move(item));
    }

    // Prepares the template in the given mode and sends it without a target.
    void Type(std::string_view autofillTemplate, bool fromClipboard, int holdTime = 0) {
        AutofillEngine engine(m_sender, AutofillOptions{fromClipboard, holdTime});
        ASSERT_TRUE(engine.PrepareTemplate(autofillTemplate, &m_passcard));
        engine.Send();
    }

    Passcard m_passcard;
    RecordingInputSender m_sender;
};

} // namespace

TEST_F(AutofillEngineTest, DefaultTemplateInKeystrokeMode) {
    AddItem("Login", "u");
    AddItem("Password", "p");
    Type(m_passcard.AutofillString(), false);
    EXPECT_EQ(m_sender.KeyEvents(), (Events{"+U", "-U", "+Tab", "-Tab", "+P", "-P"}));
}

TEST_F(AutofillEngineTest, DefaultTemplateInClipboardModePastesValuesAndEmptiesTheClipboard) {
    AddItem("Login", "u");
    AddItem("Password", "p");
    Type(m_passcard.AutofillString(), true);
    EXPECT_EQ(m_sender.KeyEvents(), (Events{"clip u", "+Ctrl", "+V", "-V", "-Ctrl", "empty", "+Tab", "-Tab", "clip p",
                                            "+Ctrl", "+V", "-V", "-Ctrl", "empty"}));
}

TEST_F(AutofillEngineTest, SpecialKeyNamesAreCaseSensitive) {
    Type("{ENTER}{enter}", false);
    EXPECT_EQ(m_sender.typed, "\r{enter}");
    // In clipboard mode special keys and literals are typed as well.
    RecordingInputSender clipboardSender;
    AutofillEngine engine(clipboardSender, AutofillOptions{true, 0});
    ASSERT_TRUE(engine.PrepareTemplate("{TAB}{F12}x{F1}{F10}", &m_passcard));
    engine.Send();
    EXPECT_EQ(clipboardSender.KeyEvents(),
              (Events{"+Tab", "-Tab", "+0x7B", "-0x7B", "+X", "-X", "+0x70", "-0x70", "+0x79", "-0x79"}));
}

TEST_F(AutofillEngineTest, FieldReferences) {
    AddItem("Login", "first");
    AddItem("Login", "second");
    AddItem("Note", "");
    AddItem("", "nameless");
    Type("<Login>|<Unknown>|a<Note>b|<>", false);
    EXPECT_EQ(m_sender.typed, "first|<Unknown>|ab|<>");

    RecordingInputSender clipboardSender;
    AutofillEngine engine(clipboardSender, AutofillOptions{true, 0});
    ASSERT_TRUE(engine.PrepareTemplate("a<Note>b<login><Login>", &m_passcard));
    engine.Send();
    EXPECT_EQ(clipboardSender.typed, "ab<login>first");
    // Only the non-empty value travelled through the clipboard.
    EXPECT_EQ(std::count_if(engine.Actions().begin(), engine.Actions().end(),
                            [](const AutofillAction& action) { return action.kind == AutofillAction::Kind::Text; }),
              1);
}

TEST_F(AutofillEngineTest, ModifiersArePressedAroundEachKeyAndReleasedInOrder) {
    Type("aB!|", false, 30);
    EXPECT_EQ(m_sender.events, (Events{"+A",     "pause 30", "-A",                             // a
                                       "+Shift", "+B",       "pause 30", "-B",       "-Shift", // B
                                       "+Shift", "+1",       "pause 30", "-1",       "-Shift", // !
                                       "+Ctrl",  "+Alt",     "+0xE2",    "pause 30", "-0xE2",  "-Ctrl", "-Alt"}));
}

TEST_F(AutofillEngineTest, HoldTimeComesFromTheOptionsAtSendTime) {
    AutofillOptions options{false, 0};
    AutofillEngine engine(m_sender, [&options] { return options; });
    ASSERT_TRUE(engine.PrepareText("ab"));
    engine.Send();
    EXPECT_EQ(m_sender.events, (Events{"+A", "-A", "+B", "-B"}));

    m_sender.events.clear();
    options.keyHoldTime = 7;
    engine.Send();
    EXPECT_EQ(m_sender.events, (Events{"+A", "pause 7", "-A", "+B", "pause 7", "-B"}));

    m_sender.events.clear();
    options.keyHoldTime = -5;
    engine.Send();
    EXPECT_EQ(m_sender.events, (Events{"+A", "-A", "+B", "-B"}));

    // A value from the settings store is taken only up to a second: a key held for days would
    // freeze the desktop.
    m_sender.events.clear();
    options.keyHoldTime = std::numeric_limits<int>::max();
    engine.Send();
    EXPECT_EQ(m_sender.events, (Events{"+A", "pause 1000", "-A", "+B", "pause 1000", "-B"}));

    // The mode is read again too: a key list prepared for keystroke mode is not sent in clipboard mode.
    m_sender.events.clear();
    options.fromClipboard = true;
    engine.Send();
    EXPECT_TRUE(m_sender.events.empty());
}

TEST_F(AutofillEngineTest, PrepareTextTakesTheTextLiterally) {
    AddItem("Login", "u");
    AutofillEngine keys(m_sender, AutofillOptions{false, 0});
    ASSERT_TRUE(keys.PrepareTemplate("<Login>", &m_passcard));
    ASSERT_TRUE(keys.PrepareText("{TAB}<Login>"));
    EXPECT_EQ(keys.PreparedPasscard(), nullptr);
    keys.Send();
    EXPECT_EQ(m_sender.typed, "{TAB}<Login>");

    RecordingInputSender clipboardSender;
    AutofillEngine paste(clipboardSender, AutofillOptions{true, 0});
    ASSERT_TRUE(paste.PrepareText("{TAB}x"));
    ASSERT_EQ(paste.Actions().size(), 1u);
    paste.Send();
    EXPECT_EQ(clipboardSender.KeyEvents(), (Events{"clip {TAB}x", "+Ctrl", "+V", "-V", "-Ctrl", "empty"}));
}

TEST_F(AutofillEngineTest, NothingToSend) {
    AutofillEngine engine(m_sender, AutofillOptions{false, 0});
    EXPECT_FALSE(engine.PrepareText(""));
    EXPECT_FALSE(engine.HasInput());
    engine.Send();
    EXPECT_TRUE(m_sender.events.empty());

    EXPECT_FALSE(engine.PrepareTemplate("abc", nullptr));
    EXPECT_FALSE(engine.HasInput());
    AddItem("Note", "");
    EXPECT_FALSE(engine.PrepareTemplate("<Note>", &m_passcard));
    AutofillEngine paste(m_sender, AutofillOptions{true, 0});
    EXPECT_FALSE(paste.PrepareTemplate("<Note>", &m_passcard));
    EXPECT_FALSE(paste.PrepareTemplate("", &m_passcard));
    paste.Send();
    EXPECT_TRUE(m_sender.events.empty());
}

TEST_F(AutofillEngineTest, PreparingAgainReplacesTheEarlierInput) {
    AutofillEngine engine(m_sender, AutofillOptions{false, 0});
    ASSERT_TRUE(engine.PrepareTemplate("abc", &m_passcard));
    ASSERT_TRUE(engine.PrepareTemplate("d", &m_passcard));
    engine.Send();
    EXPECT_EQ(m_sender.typed, "d");
}

TEST_F(AutofillEngineTest, ATargetIsActivatedFirstAndTypingStopsWhenItIsNotInFront) {
    int window = 0;
    AutofillEngine engine(m_sender, AutofillOptions{false, 0});
    ASSERT_TRUE(engine.PrepareText("xy"));
    EXPECT_TRUE(engine.Send(&window));
    EXPECT_EQ(m_sender.KeyEvents(), (Events{"activate", "+X", "-X", "+Y", "-Y"}));
    EXPECT_EQ(m_sender.activated, std::vector<WindowHandle>{&window});

    // A target that does not come forward receives nothing, and neither does the window that stays
    // in front.
    RecordingInputSender behind;
    behind.targetStaysBehind = true;
    AutofillEngine refused(behind, AutofillOptions{false, 0});
    ASSERT_TRUE(refused.PrepareText("xy"));
    EXPECT_FALSE(refused.Send(&window));
    EXPECT_EQ(behind.KeyEvents(), Events{"activate"});
}

// The check of a target the user chose runs once, after the activation and before the first key;
// when it fails nothing at all is typed.
TEST_F(AutofillEngineTest, TheTargetIsCheckedOnceJustBeforeTheFirstKey) {
    AddItem("Password", "p");
    int window = 0;
    for (const bool fromClipboard : {false, true}) {
        for (const bool unchanged : {true, false}) {
            RecordingInputSender sender;
            AutofillEngine engine(sender, AutofillOptions{fromClipboard, 0});
            ASSERT_TRUE(engine.PrepareTemplate("x<Password>", &m_passcard));
            Events seen;
            engine.SetTargetCheck([&] {
                seen = sender.KeyEvents();
                return unchanged;
            });
            EXPECT_EQ(engine.Send(&window), unchanged);
            EXPECT_EQ(seen, Events{"activate"});
            EXPECT_EQ(sender.typed, unchanged ? "xp" : "") << fromClipboard;
            EXPECT_EQ(sender.KeyEvents().size() > 1, unchanged);
        }
    }
}

// Another window coming forward in the middle of a template (the user clicked elsewhere, a
// notification took the focus) gets none of the rest, in either mode; a value already on the
// clipboard is taken off again.
TEST_F(AutofillEngineTest, AnotherWindowComingForwardStopsTheRestOfTheTemplate) {
    AddItem("Login", "u");
    AddItem("Password", "p");
    m_sender.frontLostAfterEvents = 2; // after the login's key-down and key-up
    Type(m_passcard.AutofillString(), false);
    EXPECT_EQ(m_sender.typed, "u");
    EXPECT_TRUE(m_sender.pressed.empty());

    RecordingInputSender pasting;
    pasting.frontLostAfterEvents = 1; // while the login goes onto the clipboard
    AutofillEngine engine(pasting, AutofillOptions{true, 0});
    ASSERT_TRUE(engine.PrepareTemplate(m_passcard.AutofillString(), &m_passcard));
    EXPECT_FALSE(engine.Send());
    EXPECT_EQ(pasting.KeyEvents(), (Events{"clip u", "withdraw"}));
    EXPECT_EQ(pasting.clipboard, "");
}

// A program that reads the clipboard as soon as the value is offered (a clipboard monitor that
// ignores the exclusion markers) is not the window the paste keys went to: it gets nothing, and
// nothing more is typed. Each value is released to the window the fill is for.
TEST_F(AutofillEngineTest, APasteAskedForByAnotherProgramStopsTheFill) {
    AddItem("Login", "u");
    AddItem("Password", "p");
    int window = 0;
    RecordingInputSender pasting;
    AutofillEngine engine(pasting, AutofillOptions{true, 0});
    ASSERT_TRUE(engine.PrepareTemplate(m_passcard.AutofillString(), &m_passcard));
    ASSERT_TRUE(engine.Send(&window));
    EXPECT_EQ(pasting.pasteTargets, (std::vector<WindowHandle>{&window, &window}));

    m_sender.pasteRefused = true;
    Type(m_passcard.AutofillString(), true);
    EXPECT_EQ(m_sender.KeyEvents(), (Events{"clip u", "+Ctrl", "+V", "-V", "-Ctrl", "refused"}));
}

// A character the layout cannot type goes as Unicode character events, never as a made-up virtual
// key with Shift, Ctrl and Alt held; they are converted from the system's narrow text (UTF-8 outside
// Windows, so a run of bytes can be one character; the ANSI code page on Windows).
TEST_F(AutofillEngineTest, CharactersWithoutAKeyAreTypedAsUnicodeCharacters) {
    const std::string eAcute = "\xC3\xA9";
    const std::string grinning = "\xF0\x9F\x98\x80";
    AddItem("Password", "p" + eAcute + "!" + grinning);
    Type("<Password>" + eAcute, false);

    auto characterEvents = [](std::string_view narrow) {
        Events events;
        for (const char16_t unit : AnsiToUtf16(narrow)) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(unit));
            events.push_back(std::string("+") + name);
            events.push_back(std::string("-") + name);
        }
        return events;
    };
    Events expected{"+P", "-P"};
    for (const Events& part : {characterEvents(eAcute), Events{"+Shift", "+1", "-1", "-Shift"},
                               characterEvents(grinning), characterEvents(eAcute)}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(m_sender.KeyEvents(), expected);
    EXPECT_TRUE(m_sender.pressed.empty());

    // Literals in clipboard mode take the same way; the value itself is pasted unchanged.
    RecordingInputSender clipboardSender;
    AutofillEngine engine(clipboardSender, AutofillOptions{true, 0});
    ASSERT_TRUE(engine.PrepareTemplate(eAcute + "<Password>", &m_passcard));
    engine.Send();
    const Events events = clipboardSender.KeyEvents();
    const Events literal = characterEvents(eAcute);
    ASSERT_GT(events.size(), literal.size());
    EXPECT_EQ(Events(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(literal.size())), literal);
    EXPECT_EQ(events[literal.size()], "clip p" + eAcute + "!" + grinning);
}

// A value the clipboard cannot take is not pasted: pasting would type whatever it held before.
TEST_F(AutofillEngineTest, APasteWhoseClipboardCouldNotBeSetIsSkipped) {
    AddItem("Login", "u");
    AddItem("Password", "p");
    m_sender.clipboard = "another secret";
    m_sender.clipboardFails = true;
    Type(m_passcard.AutofillString(), true);
    EXPECT_EQ(m_sender.KeyEvents(), (Events{"clip failed", "+Tab", "-Tab", "clip failed"}));
    EXPECT_EQ(m_sender.typed, "\t");
}

TEST_F(AutofillEngineTest, PasteUsesTheLayoutsVKeyOrTheVPosition) {
    m_sender.layout.withoutLatinV = true;
    AutofillEngine engine(m_sender, AutofillOptions{true, 0});
    ASSERT_TRUE(engine.PrepareText("x"));
    engine.Send();
    EXPECT_EQ(m_sender.KeyEvents(), (Events{"clip x", "+Ctrl", "+V", "-V", "-Ctrl", "empty"}));
}

TEST(SpecialKeyTableTest, NamesAndCodesInMenuOrder) {
    ASSERT_EQ(SpecialKeys().size(), 25u);
    EXPECT_STREQ(kSpecialKeyTable[25].name, "");
    EXPECT_EQ(kSpecialKeyTable[25].code, 0);
    // Windows virtual-key codes: VK_BACK, VK_END, VK_UP, VK_DELETE, VK_F1, VK_F12.
    const std::pair<const char*, int> expected[] = {{"{BACK}", 0x08},   {"{END}", 0x23}, {"{UP}", 0x26},
                                                    {"{DELETE}", 0x2E}, {"{F1}", 0x70},  {"{F12}", 0x7B}};
    for (const auto& [name, code] : expected) {
        const SpecialKey* key = FindSpecialKeyAt(name);
        ASSERT_NE(key, nullptr) << name;
        EXPECT_STREQ(key->name, name);
        EXPECT_EQ(key->code, code) << name;
    }
    EXPECT_STREQ(FindSpecialKeyAt("{F10}x")->name, "{F10}");
    EXPECT_EQ(FindSpecialKeyAt("{Tab}"), nullptr);
    EXPECT_EQ(FindSpecialKeyAt("{TAB"), nullptr);
}

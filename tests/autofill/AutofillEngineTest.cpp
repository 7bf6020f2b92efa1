#include "autofill/AutofillEngine.h"

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

// What goes wrong on the way to the target window while a template is sent.
struct Trouble {
    std::size_t frontLostAfterEvents = static_cast<std::size_t>(-1);
    bool pasteRefused = false;
    bool clipboardFails = false;
    bool withoutLatinV = false;
    bool targetStaysBehind = false;
    bool targetCheckFails = false;
};

std::string Joined(const Events& events) {
    std::string joined;
    for (const std::string& event : events) {
        joined += (joined.empty() ? "" : " ") + event;
    }
    return joined;
}

// A character without a key on the layout goes as Unicode character events, never as a made-up
// virtual key with Shift, Ctrl and Alt held; they are converted from the system's narrow text
// (UTF-8 outside Windows, so a run of bytes can be one character; the ANSI code page on Windows).
const std::string kEAcute = "\xC3\xA9";
const std::string kAccented = "p" + kEAcute + "!\xF0\x9F\x98\x80"; // "!" and a grinning face

// The key-down and key-up of each UTF-16 unit of a narrow text, as character events.
std::string CharacterEvents(std::string_view narrow) {
    std::string events;
    for (const char16_t unit : AnsiToUtf16(narrow)) {
        char name[32];
        std::snprintf(name, sizeof name, " +U+%04X -U+%04X", static_cast<unsigned>(unit), static_cast<unsigned>(unit));
        events += name;
    }
    return events.substr(1);
}

class AutofillEngineTest : public vaultlet::test::ModelFixture {
protected:
    void SetUp() override {
        ModelFixture::SetUp();
        for (const auto& [name, value] : {std::pair{"Login", "u"},
                                          {"Login", "second"},
                                          {"Password", "p"},
                                          {"Note", ""},
                                          {"", "nameless"},
                                          {"Accented", kAccented.c_str()}}) {
            auto item = std::make_unique<Item>();
            item->SetName(name);
            item->SetValue(value);
            m_passcard.Add(std::move(item));
        }
    }

    Passcard m_passcard;
    RecordingInputSender m_sender;
};

} // namespace

// Which events a template becomes in either mode, and where sending stops when the window in front
// changes, the clipboard fails or another program asks for a pasted value first. Whatever happens,
// no key stays pressed and no value stays on the clipboard. Typing goes only to the window the user
// chose: it is activated first and checked once, after the activation and before the first key;
// when it does not come forward or the check fails, nothing is typed, and each pasted value is
// released to that window only.
TEST_F(AutofillEngineTest, TemplatesBecomeTheseEvents) {
    const char* const standard = Passcard::kDefaultAutofillString;
    const char* const paste = "+Ctrl +V -V -Ctrl empty";
    const std::string eAcute = CharacterEvents(kEAcute);
    const std::string face = CharacterEvents(kAccented.substr(4));
    const struct {
        std::string autofillTemplate;
        bool fromClipboard;
        Trouble trouble;
        bool sent;
        std::string events; // "" for nothing prepared
        const char* typed = nullptr;
        bool text = false; // prepared as text, not as a template
    } cases[] = {
        {standard, false, {}, true, "+U -U +Tab -Tab +P -P"},
        {standard, true, {}, true, "clip u " + std::string(paste) + " +Tab -Tab clip p " + paste},
        // Special key names are case-sensitive; in clipboard mode keys and literals are typed as well.
        {"{ENTER}{enter}", false, {}, true, "", "\r{enter}"},
        {"{TAB}{F12}x{F1}{F10}", true, {}, true, "+Tab -Tab +0x7B -0x7B +X -X +0x70 -0x70 +0x79 -0x79"},
        // The first item of a name; unknown, nameless and wrongly cased references are literal text;
        // an empty value is nothing, and is not pasted.
        {"<Login>|<login>|a<Note>b|<>", false, {}, true, "", "u|<login>|ab|<>"},
        {"a<Note><Login>", true, {}, true, "+A -A clip u " + std::string(paste)},
        {"<Note>", false, {}, true, ""},
        // Another window coming forward gets none of the rest; a value already offered is taken back.
        {standard, false, {.frontLostAfterEvents = 3}, false, "+U -U"},
        {standard, true, {.frontLostAfterEvents = 2}, false, "clip u withdraw"},
        // A target that stays behind, or fails its check, gets nothing at all.
        {standard, false, {.targetStaysBehind = true}, false, ""},
        {standard, false, {.targetCheckFails = true}, false, ""},
        {standard, true, {.targetCheckFails = true}, false, ""},
        // A program that reads the paste before the target stops the fill.
        {standard, true, {.pasteRefused = true}, false, "clip u +Ctrl +V -V -Ctrl refused"},
        // Pasting after a failed hand-over would type what the clipboard held before.
        {standard, true, {.clipboardFails = true}, true, "clip failed +Tab -Tab clip failed"},
        // Literals and values alike, except that a pasted value is pasted unchanged.
        {"<Accented>" + kEAcute, false, {}, true, "+P -P " + eAcute + " +Shift +1 -1 -Shift " + face + " " + eAcute},
        {kEAcute + "<Accented>", true, {}, true, eAcute + " clip " + kAccented + " " + paste},
        // A layout without a Latin "v" pastes with the key in the V position.
        {"<Login>", true, {.withoutLatinV = true}, true, "clip u " + std::string(paste)},
        // Text is taken literally in either mode.
        {"{TAB}<Login>", false, {}, true, "", "{TAB}<Login>", true},
        {"{TAB}x", true, {}, true, "clip {TAB}x " + std::string(paste), nullptr, true},
    };
    int window = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        RecordingInputSender sender;
        sender.frontLostAfterEvents = c.trouble.frontLostAfterEvents;
        sender.pasteRefused = c.trouble.pasteRefused;
        sender.clipboardFails = c.trouble.clipboardFails;
        sender.clipboard = c.trouble.clipboardFails ? "another secret" : "";
        sender.layout.withoutLatinV = c.trouble.withoutLatinV;
        sender.targetStaysBehind = c.trouble.targetStaysBehind;
        AutofillEngine engine(sender, AutofillOptions{c.fromClipboard, 0});
        Events seen;
        engine.SetTargetCheck([&] {
            seen = sender.events;
            return !c.trouble.targetCheckFails;
        });
        const bool prepared = c.typed != nullptr || !c.events.empty() || !c.sent;
        ASSERT_EQ(c.text ? engine.PrepareText(c.autofillTemplate)
                         : engine.PrepareTemplate(c.autofillTemplate, &m_passcard),
                  prepared);
        EXPECT_EQ(engine.Send(&window), c.sent);
        EXPECT_EQ(seen, Events{"activate"});
        EXPECT_EQ(sender.activated, std::vector<WindowHandle>{&window});
        if (c.typed != nullptr) {
            EXPECT_EQ(sender.typed, c.typed);
        } else {
            EXPECT_EQ(Joined(sender.events), "activate" + (c.events.empty() ? "" : " " + c.events));
        }
        EXPECT_TRUE(sender.pressed.empty());
        EXPECT_EQ(sender.clipboard, c.trouble.clipboardFails ? "another secret" : "");
        EXPECT_EQ(std::count(sender.pasteTargets.begin(), sender.pasteTargets.end(), &window),
                  static_cast<std::ptrdiff_t>(sender.pasteTargets.size()));
    }
}

TEST_F(AutofillEngineTest, ModeAndHoldTimeAreReadAtSendTimeAndANewPreparationReplacesTheOld) {
    AutofillOptions options{false, 30};
    AutofillEngine engine(m_sender, [&options] { return options; });
    ASSERT_TRUE(engine.PrepareText("aB!|\x7F"));
    engine.Send();
    // Modifiers go down around each key and come up in order; a character without a key is held too.
    EXPECT_EQ(Joined(m_sender.events), "+A pause 30 -A "                             // a
                                       "+Shift +B pause 30 -B -Shift "               // B
                                       "+Shift +1 pause 30 -1 -Shift "               // !
                                       "+Ctrl +Alt +0xE2 pause 30 -0xE2 -Ctrl -Alt " // |
                                       "+U+007F pause 30 -U+007F");
    // A value from the settings store is taken only up to a second: a key held for days would
    // freeze the desktop.
    for (const auto& [holdTime, events] :
         {std::pair{-5, "+A -A"}, {std::numeric_limits<int>::max(), "+A pause 1000 -A"}}) {
        m_sender.events.clear();
        options.keyHoldTime = holdTime;
        ASSERT_TRUE(engine.PrepareText("a"));
        engine.Send();
        EXPECT_EQ(Joined(m_sender.events), events);
    }
    // A key list prepared for keystroke mode is not sent in clipboard mode.
    m_sender.events.clear();
    options.fromClipboard = true;
    engine.Send();
    EXPECT_TRUE(m_sender.events.empty());
    // Whatever was prepared before is replaced, and nothing to send prepares nothing.
    ASSERT_TRUE(engine.PrepareTemplate("<Password>", &m_passcard));
    ASSERT_TRUE(engine.PrepareText("x"));
    engine.Send();
    EXPECT_EQ(Joined(m_sender.events), "clip x +Ctrl +V pause 1000 -V -Ctrl empty");
    EXPECT_FALSE(engine.PrepareText(""));
    EXPECT_FALSE(engine.PrepareTemplate("abc", nullptr));
    EXPECT_FALSE(engine.HasInput());
}

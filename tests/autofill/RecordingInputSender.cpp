#include "tests/autofill/RecordingInputSender.h"

#include "core/TextConversion.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>

namespace vaultlet::test {
namespace {

constexpr std::uint8_t kVirtualKeyTab = 0x09;
constexpr std::uint8_t kVirtualKeyReturn = 0x0D;
constexpr std::uint8_t kVirtualKeySpace = 0x20;
constexpr std::uint8_t kVirtualKeyOem102 = 0xE2;

// US keys other than letters and digits: unshifted character, shifted character (none: 0), virtual key.
struct PunctuationKey {
    char plain;
    char shifted;
    std::uint8_t virtualKey;
};

constexpr PunctuationKey kPunctuation[] = {
    {';', ':', 0xBA},  {'=', '+', 0xBB}, {',', '<', 0xBC}, {'-', '_', 0xBD},  {'.', '>', 0xBE},
    {'/', '?', 0xBF},  {'`', '~', 0xC0}, {'[', '{', 0xDB}, {'\\', '|', 0xDC}, {']', '}', 0xDD},
    {'\'', '"', 0xDE}, {' ', 0, 0x20},   {'\t', 0, 0x09},  {'\r', 0, 0x0D},
};

constexpr char kShiftedDigits[] = ")!@#$%^&*(";

} // namespace

KeyCode FakeUsLayout::KeyForChar(char character) const {
    const auto c = static_cast<unsigned char>(character);
    if (c >= 'a' && c <= 'z') {
        return withoutLatinV && c == 'v' ? kNoKey : MakeKeyCode(static_cast<std::uint8_t>(c - 'a' + 'A'));
    }
    if (c >= 'A' && c <= 'Z') {
        return MakeKeyCode(c, kShiftBit);
    }
    if (c >= '0' && c <= '9') {
        return MakeKeyCode(c);
    }
    if (const char* digit = std::strchr(kShiftedDigits, c); digit != nullptr && c != 0) {
        return MakeKeyCode(static_cast<std::uint8_t>('0' + (digit - kShiftedDigits)), kShiftBit);
    }
    if (c == '|') {
        return MakeKeyCode(kVirtualKeyOem102, kCtrlBit | kAltBit);
    }
    for (const PunctuationKey& key : kPunctuation) {
        if (key.plain == character) {
            return MakeKeyCode(key.virtualKey);
        }
        if (key.shifted == character && c != 0) {
            return MakeKeyCode(key.virtualKey, kShiftBit);
        }
    }
    return c == '\n' ? MakeKeyCode(kVirtualKeyReturn, kCtrlBit) : kNoKey;
}

std::string KeyName(std::uint8_t virtualKey) {
    static const std::map<std::uint8_t, std::string> kNames = {
        {kVirtualKeyShift, "Shift"}, {kVirtualKeyControl, "Ctrl"}, {kVirtualKeyAlt, "Alt"},
        {kVirtualKeyTab, "Tab"},     {kVirtualKeyReturn, "Enter"}, {kVirtualKeySpace, "Space"}};
    if (const auto found = kNames.find(virtualKey); found != kNames.end()) {
        return found->second;
    }
    if (std::isupper(virtualKey) || std::isdigit(virtualKey)) {
        return std::string(1, static_cast<char>(virtualKey));
    }
    char name[8];
    std::snprintf(name, sizeof name, "0x%02X", virtualKey);
    return name;
}

void RecordingInputSender::SendKey(std::uint8_t virtualKey, bool down) {
    events.push_back((down ? "+" : "-") + KeyName(virtualKey));
    if (down) {
        pressed.insert(virtualKey);
        Type(virtualKey);
    } else {
        pressed.erase(virtualKey);
    }
}

void RecordingInputSender::SendCharacter(char16_t unit, bool down) {
    char name[16];
    std::snprintf(name, sizeof name, "%cU+%04X", down ? '+' : '-', static_cast<unsigned>(unit));
    events.push_back(name);
    if (down) {
        typed += Utf16ToUtf8(std::u16string_view(&unit, 1)).Viewed();
    }
}

bool RecordingInputSender::SetClipboardText(std::string_view text) {
    if (clipboardFails) {
        events.push_back("clip failed");
        return false;
    }
    events.push_back("clip " + std::string(text));
    clipboard = text;
    return true;
}

bool RecordingInputSender::FinishPaste(WindowHandle target) {
    pasteTargets.push_back(target);
    events.push_back(pasteRefused ? "refused" : "empty");
    clipboard.clear();
    return !pasteRefused;
}

void RecordingInputSender::WithdrawClipboardText() {
    events.push_back("withdraw");
    clipboard.clear();
}

void RecordingInputSender::ActivateWindow(WindowHandle target) {
    events.push_back("activate");
    activated.push_back(target);
    if (!targetStaysBehind) {
        front = target;
    }
}

WindowHandle RecordingInputSender::ForegroundWindow() const {
    static int anotherWindow = 0;
    return events.size() >= frontLostAfterEvents ? &anotherWindow : front;
}

void RecordingInputSender::Pause(unsigned milliseconds) {
    events.push_back("pause " + std::to_string(milliseconds));
}

// What an edit control does with a key-down: the layout's character for the held modifiers, or
// the clipboard for Ctrl+V.
void RecordingInputSender::Type(std::uint8_t virtualKey) {
    if (virtualKey == kVirtualKeyShift || virtualKey == kVirtualKeyControl || virtualKey == kVirtualKeyAlt) {
        return;
    }
    const auto held = [this](std::uint8_t key, std::uint8_t bit) { return pressed.count(key) != 0 ? bit : 0; };
    const auto modifiers = static_cast<std::uint8_t>(
        held(kVirtualKeyShift, kShiftBit) | held(kVirtualKeyControl, kCtrlBit) | held(kVirtualKeyAlt, kAltBit));
    if (modifiers == kCtrlBit && virtualKey == kVirtualKeyV) {
        // Another program that reads first holds the clipboard open while the target would paste.
        typed += pasteRefused ? std::string() : clipboard;
        return;
    }
    for (int c = 1; c < 128; ++c) {
        if (layout.KeyForChar(static_cast<char>(c)) == MakeKeyCode(virtualKey, modifiers)) {
            typed.push_back(static_cast<char>(c));
            return;
        }
    }
    typed += "<" + KeyName(virtualKey) + ">";
}

} // namespace vaultlet::test

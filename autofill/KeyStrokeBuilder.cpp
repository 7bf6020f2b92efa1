#include "autofill/KeyStrokeBuilder.h"

#include "core/TextConversion.h"

#include <utility>

namespace vaultlet {

KeyStrokeBuilder::KeyStrokeBuilder(const KeyboardLayout& layout, Sink sink)
    : m_layout(layout), m_sink(std::move(sink)) {}

void KeyStrokeBuilder::AddCharacter(char character) {
    const KeyCode code = m_layout.KeyForChar(character);
    if (code == kNoKey) {
        m_pending.push_back(character);
        return;
    }
    Flush();
    m_sink(KeyStroke{code, 0});
}

void KeyStrokeBuilder::AddText(std::string_view text) {
    for (const char character : text) {
        AddCharacter(character);
    }
}

void KeyStrokeBuilder::AddKey(KeyCode code) {
    Flush();
    m_sink(KeyStroke{code, 0});
}

void KeyStrokeBuilder::Flush() {
    if (m_pending.empty()) {
        return;
    }
    const SecureU16String units = AnsiToUtf16(m_pending.Viewed());
    m_pending.clear();
    for (const char16_t unit : units) {
        if (unit != 0) {
            m_sink(KeyStroke{0, unit});
        }
    }
}

} // namespace vaultlet

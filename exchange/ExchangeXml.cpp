#include "exchange/ExchangeXml.h"

#include "core/TextConversion.h"

#include <tinyxml2.h>

#include <cstdlib>

namespace vaultlet {

const char* ChildTextUtf8(const tinyxml2::XMLElement* parent, const char* name) {
    const tinyxml2::XMLElement* child = parent != nullptr ? parent->FirstChildElement(name) : nullptr;
    return child != nullptr ? child->GetText() : nullptr;
}

SecureString ChildText(const tinyxml2::XMLElement* parent, const char* name) {
    const char* text = ChildTextUtf8(parent, name);
    if (text == nullptr) {
        return SecureString();
    }
    if (!IsExactInAnsi(Utf8ToUtf16(text).Viewed())) {
        throw TextNotExact();
    }
    return Utf8ToAnsi(text);
}

std::int64_t ParseLenientDecimal(const char* text) {
    return std::strtoll(text, nullptr, 10);
}

std::uint64_t ParseLenientHex(const char* text) {
    return std::strtoull(text, nullptr, 16);
}

tinyxml2::XMLElement* AppendTextElement(tinyxml2::XMLElement* parent, const char* name, std::string_view ansi) {
    tinyxml2::XMLElement* element = parent->InsertNewChildElement(name);
    if (!ansi.empty()) {
        element->InsertNewText(AnsiToUtf8(ansi).c_str());
    }
    return element;
}

} // namespace vaultlet

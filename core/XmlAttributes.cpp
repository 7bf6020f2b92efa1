#include "core/XmlAttributes.h"

#include "core/TextConversion.h"

#include <tinyxml2.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace vaultlet {

bool WriteTextAttribute(const char* name, std::string_view text, tinyxml2::XMLElement* element) {
    if (element == nullptr) {
        return false;
    }
    const SecureString utf8 = AnsiToUtf8(text);
    element->SetAttribute(name, utf8.c_str());
    return true;
}

bool ReadTextAttribute(const char* name, SecureString& text, const tinyxml2::XMLElement* element) {
    if (element == nullptr) {
        return false;
    }
    const char* value = element->Attribute(name);
    if (value == nullptr) {
        return false;
    }
    text = Utf8ToAnsi(value);
    return true;
}

bool WriteIntAttribute(const char* name, std::int64_t value, tinyxml2::XMLElement* element) {
    if (element == nullptr) {
        return false;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%" PRId64, value);
    element->SetAttribute(name, buffer);
    return true;
}

bool ReadIntAttribute(const char* name, std::int64_t& value, const tinyxml2::XMLElement* element) {
    if (element == nullptr) {
        return false;
    }
    const char* text = element->Attribute(name);
    if (text == nullptr) {
        return false;
    }
    value = std::strtoll(text, nullptr, 10);
    return true;
}

bool WriteFileTimeAttribute(const char* name, std::uint32_t low, std::uint32_t high, tinyxml2::XMLElement* element) {
    if (element == nullptr) {
        return false;
    }
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%08" PRIX32 "%08" PRIX32, high, low);
    element->SetAttribute(name, buffer);
    return true;
}

bool ReadFileTimeAttribute(const char* name, std::uint64_t& value, const tinyxml2::XMLElement* element) {
    if (element == nullptr) {
        return false;
    }
    const char* text = element->Attribute(name);
    if (text == nullptr || *text == '\0') {
        return false;
    }
    value = std::strtoull(text, nullptr, 16);
    return true;
}

} // namespace vaultlet

#include "core/SecureXmlPrinter.h"

#include "core/SecureWipe.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace vaultlet {

void SecureXmlPrinter::PrintSpace(int depth) {
    m_out.append(static_cast<std::size_t>(depth), '\t');
}

void SecureXmlPrinter::Print(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length > 0) {
        m_out.append(buffer, std::min<std::size_t>(static_cast<std::size_t>(length), sizeof buffer - 1));
    }
    SecureWipe(buffer, sizeof buffer);
}

namespace {

bool NeedsReference(char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n';
}

void AppendWithReferences(SecureString& out, const char* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        if (NeedsReference(data[i])) {
            char reference[8];
            std::snprintf(reference, sizeof reference, "&#%d;", data[i]);
            out.append(reference);
            SecureWipe(reference, sizeof reference);
        } else {
            out.push_back(data[i]);
        }
    }
}

} // namespace

// Element and attribute names never hold control characters, so every one that passes here belongs
// to a value or a text.
void SecureXmlPrinter::Write(const char* data, size_t size) {
    if (m_controls == Controls::References) {
        AppendWithReferences(m_out, data, size);
    } else {
        m_out.append(data, size);
    }
}

void SecureXmlPrinter::Putc(char ch) {
    m_out.push_back(ch);
}

namespace {

// Wipes a node's text. In a parsed document the text lies in the document's character buffer,
// where decoding entities in place may leave a tail of the original text after the terminator,
// up to the next terminator; that tail is wiped too.
void WipeText(const char* text, bool parsed) {
    if (text == nullptr) {
        return;
    }
    char* p = const_cast<char*>(text);
    const std::size_t length = std::strlen(p);
    SecureWipe(p, length);
    if (parsed) {
        p += length + 1;
        SecureWipe(p, std::strlen(p));
    }
}

void WipeNode(tinyxml2::XMLNode* node, bool parsed) {
    for (tinyxml2::XMLNode* child = node->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (tinyxml2::XMLElement* element = child->ToElement()) {
            for (auto* attribute = element->FirstAttribute(); attribute != nullptr; attribute = attribute->Next()) {
                WipeText(attribute->Value(), parsed);
            }
            WipeNode(element, parsed);
        } else if (child->ToText() != nullptr) {
            WipeText(child->Value(), parsed);
        }
    }
}

} // namespace

void WipeXmlDocument(tinyxml2::XMLDocument& document, bool parsed) {
    WipeNode(&document, parsed);
}

} // namespace vaultlet

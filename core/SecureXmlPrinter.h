#pragma once

#include "core/SecureString.h"

#include <tinyxml2.h>

namespace vaultlet {

// Prints an XML document into a wiping string instead of tinyxml2's own buffer, indenting with one
// tab per level.
class SecureXmlPrinter : public tinyxml2::XMLPrinter {
public:
    // How the control characters below 32 other than tab and line feed are printed. The parser turns
    // a raw carriage return into a line feed, so a document that must read back exactly writes them
    // as character references ("&#13;"). Only for documents without CDATA sections or comments that
    // could hold such a character: the printer cannot tell their text from the rest.
    enum class Controls { Raw, References };

    explicit SecureXmlPrinter(SecureString& out, Controls controls = Controls::Raw)
        : m_out(out), m_controls(controls) {}

protected:
    void PrintSpace(int depth) override;
    // Not used by tinyxml2 for documents, but kept consistent with the other outputs.
    [[gnu::format(printf, 2, 3)]] void Print(const char* format, ...) override;
    void Write(const char* data, size_t size) override;
    void Putc(char ch) override;

private:
    SecureString& m_out;
    Controls m_controls;
};

// Overwrites the text of every attribute and text node of a document before it is destroyed, so
// secrets do not stay behind in tinyxml2's buffers. For a parsed document it also clears what
// in-place entity decoding left behind after each value.
void WipeXmlDocument(tinyxml2::XMLDocument& document, bool parsed);

} // namespace vaultlet

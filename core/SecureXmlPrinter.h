#pragma once

#include "core/SecureString.h"

#include <tinyxml2.h>

namespace vaultlet {

// Prints an XML document into a wiping string instead of tinyxml2's own buffer, indenting with one
// tab per level.
class SecureXmlPrinter : public tinyxml2::XMLPrinter {
public:
    explicit SecureXmlPrinter(SecureString& out) : m_out(out) {}

protected:
    void PrintSpace(int depth) override;
    // Not used by tinyxml2 for documents, but kept consistent with the other outputs.
    [[gnu::format(printf, 2, 3)]] void Print(const char* format, ...) override;
    void Write(const char* data, size_t size) override;
    void Putc(char ch) override;

private:
    SecureString& m_out;
};

// Overwrites the text of every attribute and text node of a document before it is destroyed, so
// secrets do not stay behind in tinyxml2's buffers. For a parsed document it also clears what
// in-place entity decoding left behind after each value.
void WipeXmlDocument(tinyxml2::XMLDocument& document, bool parsed);

} // namespace vaultlet

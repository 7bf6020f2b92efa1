#pragma once

#include "core/SecureXmlPrinter.h"

#include <tinyxml2.h>

namespace vaultlet {

// An XML document that holds secrets in clear (a database document, an export, an import): its text
// is wiped before it goes away. White space is kept as written.
class WipedXmlDocument {
public:
    // `parsed`: the document's text will come from Parse (its values then lie in the parse buffer).
    explicit WipedXmlDocument(bool parsed = false)
        : m_document(true, tinyxml2::PRESERVE_WHITESPACE), m_parsed(parsed) {}
    ~WipedXmlDocument() { WipeXmlDocument(m_document, m_parsed); }
    WipedXmlDocument(const WipedXmlDocument&) = delete;
    WipedXmlDocument& operator=(const WipedXmlDocument&) = delete;

    tinyxml2::XMLDocument& operator*() noexcept { return m_document; }
    tinyxml2::XMLDocument* operator->() noexcept { return &m_document; }

private:
    tinyxml2::XMLDocument m_document;
    bool m_parsed;
};

} // namespace vaultlet

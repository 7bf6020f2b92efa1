#pragma once

#include "core/SecureXmlPrinter.h"

#include <tinyxml2.h>

namespace vaultlet {

// An XML document being built for an export; it holds every value in clear, so its text is wiped
// before it goes away. White space is kept as written.
class WipedXmlDocument {
public:
    WipedXmlDocument() : m_document(true, tinyxml2::PRESERVE_WHITESPACE) {}
    ~WipedXmlDocument() { WipeXmlDocument(m_document, false); }
    WipedXmlDocument(const WipedXmlDocument&) = delete;
    WipedXmlDocument& operator=(const WipedXmlDocument&) = delete;

    tinyxml2::XMLDocument& operator*() noexcept { return m_document; }
    tinyxml2::XMLDocument* operator->() noexcept { return &m_document; }

private:
    tinyxml2::XMLDocument m_document;
};

} // namespace vaultlet

#pragma once

#include <tinyxml2.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace vaultlet {

// The parsed XML of a file being imported. Loading is all or nothing: a file that cannot be read,
// is larger than kMaxBytes, holds more than kMaxElements elements, is not UTF-8 XML (see
// IsUtf8XmlText), does not parse, or nests elements deeper than the parser allows, leaves no
// document. Text is kept exactly as written:
// white space is never condensed. The document's text is wiped when it goes away, since imported
// files are full of passwords.
class ImportDocument {
public:
    // Far beyond any real export, small enough that parsing cannot exhaust memory.
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;
    // Each parsed element costs the parser over a hundred bytes, so kMaxBytes of empty elements
    // would take gigabytes; this many take about 250 MB, and are still far beyond any real export.
    // Comments, CDATA sections and declarations count as elements here.
    static constexpr std::size_t kMaxElements = 2'000'000;

    ImportDocument();
    ~ImportDocument();
    ImportDocument(const ImportDocument&) = delete;
    ImportDocument& operator=(const ImportDocument&) = delete;

    bool LoadFile(const std::string& fileName);
    bool LoadText(std::string_view text);

    // Valid after a successful load.
    const tinyxml2::XMLDocument& Document() const noexcept { return m_document; }

private:
    tinyxml2::XMLDocument m_document;
};

} // namespace vaultlet

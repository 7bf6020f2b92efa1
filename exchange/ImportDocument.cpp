#include "exchange/ImportDocument.h"

#include "core/SecureString.h"
#include "core/SecureXmlPrinter.h"
#include "exchange/BlankElementText.h"
#include "exchange/XmlTextCheck.h"

#include <cstdio>
#include <memory>

namespace vaultlet {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

// Reads the whole file, but stops with false as soon as it exceeds the limit.
bool ReadWholeFile(const std::string& fileName, std::size_t limit, SecureString& bytes) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        return false;
    }
    char chunk[16384];
    std::size_t read = 0;
    while ((read = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (bytes.size() + read > limit) {
            SecureWipe(chunk, sizeof chunk);
            return false;
        }
        bytes.append(chunk, read);
    }
    SecureWipe(chunk, sizeof chunk);
    return std::ferror(file.get()) == 0;
}

// Counts the '<' that open markup other than an end tag, stopping past the limit: the parser makes
// at most one node of each, so the document's size is known before it is built.
bool HasAtMostElements(std::string_view text, std::size_t limit) {
    std::size_t count = 0;
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        if (at + 1 < text.size() && text[at + 1] != '/' && ++count > limit) {
            return false;
        }
    }
    return true;
}

} // namespace

ImportDocument::ImportDocument() : m_document(true, tinyxml2::PRESERVE_WHITESPACE) {}

ImportDocument::~ImportDocument() {
    WipeXmlDocument(m_document, true);
}

bool ImportDocument::LoadFile(const std::string& fileName) {
    SecureString bytes;
    return ReadWholeFile(fileName, kMaxBytes, bytes) && LoadText(bytes);
}

bool ImportDocument::LoadText(std::string_view text) {
    WipeXmlDocument(m_document, true);
    m_document.Clear();
    if (text.size() > kMaxBytes || !HasAtMostElements(text, kMaxElements) || !IsUtf8XmlText(text)) {
        return false;
    }
    const SecureString prepared = KeepBlankElementText(text);
    if (m_document.Parse(prepared.data(), prepared.size()) != tinyxml2::XML_SUCCESS) {
        WipeXmlDocument(m_document, true);
        m_document.Clear();
        return false;
    }
    return true;
}

} // namespace vaultlet

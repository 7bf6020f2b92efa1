#include "exchange/XmlImportFormat.h"

#include "core/Database.h"
#include "exchange/ExchangeXml.h"
#include "exchange/ImportDocument.h"
#include "exchange/ImportGuard.h"

namespace vaultlet {

std::unique_ptr<Database> XmlImportFormat::importFrom(const std::string& fileName) {
    return Import([&](ImportDocument& document) { return document.LoadFile(fileName); });
}

std::unique_ptr<Database> XmlImportFormat::importFromText(std::string_view text) {
    return Import([&](ImportDocument& document) { return document.LoadText(text); });
}

std::unique_ptr<Database> XmlImportFormat::Import(const std::function<bool(ImportDocument&)>& load) {
    m_lastFailure = ImportFailure::Unreadable;
    return GuardedImport([&]() -> std::unique_ptr<Database> {
        ImportDocument document;
        if (!load(document)) {
            return nullptr;
        }
        try {
            return ReadDocument(document.Document());
        } catch (const TextNotExact&) {
            m_lastFailure = ImportFailure::TextNotExact;
            return nullptr;
        }
    });
}

} // namespace vaultlet

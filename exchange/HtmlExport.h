#pragma once

#include "exchange/ExportFormat.h"

namespace vaultlet {

// Writes the HTML page (HtmlPage, file variant) of the database or of one node of it.
class HtmlExport : public ExportFormat {
public:
    std::string_view fileFilter() const override;
    std::string_view displayName() const override;
    bool exportTo(const std::string& fileName, const Database& database, const ModelNode* node) const override;
};

} // namespace vaultlet

#include "exchange/HtmlExport.h"

#include "exchange/ExportFile.h"
#include "exchange/HtmlPage.h"

namespace vaultlet {

std::string_view HtmlExport::fileFilter() const {
    return "HTML File (*.html)%*.html%";
}

std::string_view HtmlExport::displayName() const {
    return "HTML File";
}

bool HtmlExport::exportTo(const std::string& fileName, const Database& database, const ModelNode* node) const {
    const SecureString page = HtmlPage::Build(database, node, HtmlPageVariant::File);
    return !page.empty() && WriteExportFile(fileName, page);
}

} // namespace vaultlet

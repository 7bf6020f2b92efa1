#include "exchange/ExportFormatList.h"

#include "exchange/HtmlExport.h"
#include "exchange/XmlExport.h"

namespace vaultlet {

ExportFormatList::ExportFormatList() {
    m_formats.push_back(std::make_unique<XmlExport>());
    m_formats.push_back(std::make_unique<HtmlExport>());
}

const ExportFormat* ExportFormatList::at(int index) const noexcept {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return m_formats[static_cast<std::size_t>(index)].get();
}

std::string ExportFormatList::JoinFileFilters() const {
    std::string joined;
    for (const auto& format : m_formats) {
        joined += format->fileFilter();
    }
    return joined;
}

} // namespace vaultlet

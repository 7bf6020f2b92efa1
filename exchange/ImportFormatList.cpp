#include "exchange/ImportFormatList.h"

#include "exchange/KeePass1Import.h"
#include "exchange/KeePass2Import.h"
#include "exchange/XmlImport.h"

namespace vaultlet {

ImportFormatList::ImportFormatList() {
    m_formats.push_back(std::make_unique<XmlImport>());
    m_formats.push_back(std::make_unique<KeePass2Import>());
    m_formats.push_back(std::make_unique<KeePass1Import>());
}

ImportFormat* ImportFormatList::at(int index) const noexcept {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return m_formats[static_cast<std::size_t>(index)].get();
}

std::string ImportFormatList::JoinFileFilters() const {
    std::string joined;
    for (const auto& format : m_formats) {
        joined += format->fileFilter();
    }
    return joined;
}

} // namespace vaultlet

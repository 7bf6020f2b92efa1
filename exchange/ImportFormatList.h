#pragma once

#include "exchange/ImportFormat.h"

#include <memory>
#include <string>
#include <vector>

namespace vaultlet {

// Every import format, in the order of the file dialog's filters: own XML, KeePass 2 XML, KeePass
// 1.x XML. Built for one command and destroyed with its formats at the end of it.
class ImportFormatList {
public:
    ImportFormatList();

    int count() const noexcept { return static_cast<int>(m_formats.size()); }
    // Null for an index below 0 or not below count().
    ImportFormat* at(int index) const noexcept;

    // The filter texts of all formats joined in list order.
    std::string JoinFileFilters() const;

private:
    std::vector<std::unique_ptr<ImportFormat>> m_formats;
};

} // namespace vaultlet

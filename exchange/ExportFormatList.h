#pragma once

#include "exchange/ExportFormat.h"

#include <memory>
#include <string>
#include <vector>

namespace vaultlet {

// Every export format, in the order of the file dialog's filters: own XML, then HTML. Built for one
// command and destroyed with its formats at the end of it.
class ExportFormatList {
public:
    ExportFormatList();

    int count() const noexcept { return static_cast<int>(m_formats.size()); }
    // Null for an index below 0 or not below count().
    const ExportFormat* at(int index) const noexcept;

    // The filter texts of all formats joined in list order.
    std::string JoinFileFilters() const;

private:
    std::vector<std::unique_ptr<ExportFormat>> m_formats;
};

} // namespace vaultlet

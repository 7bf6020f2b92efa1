#include "exchange/FileDialogFilter.h"

#include <algorithm>

namespace vaultlet {

FileDialogFilter::FileDialogFilter(std::string_view filters) : m_buffer(filters.begin(), filters.end()) {
    m_buffer.push_back('\0');
    std::replace(m_buffer.begin(), m_buffer.end(), '%', '\0');
}

} // namespace vaultlet

#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vaultlet {

// The filter list of a file dialog, made from joined filter texts in which "%" stands for NUL. The
// buffer is one byte longer than the text: the text's final "%" and the added terminator make the
// two NULs that end the list.
class FileDialogFilter {
public:
    explicit FileDialogFilter(std::string_view filters);

    const char* Data() const noexcept { return m_buffer.data(); }
    std::size_t Size() const noexcept { return m_buffer.size(); }

private:
    std::vector<char> m_buffer;
};

} // namespace vaultlet

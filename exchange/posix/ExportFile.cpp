#include "exchange/ExportFile.h"

#include <cstdio>

namespace vaultlet {

bool WriteExportFile(const std::string& fileName, std::string_view bytes) {
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written) {
        std::remove(fileName.c_str());
    }
    return written;
}

} // namespace vaultlet

#include "core/UniqueFileName.h"

#include "core/SystemEntropy.h"

#include <cstdint>
#include <cstdio>

namespace vaultlet {
namespace {

constexpr int kMaxAttempts = 16;

} // namespace

std::unique_ptr<OutputFile> CreateWithUniqueName(const std::string& path, std::string& createdPath,
                                                 const CreateNamedFile& create) {
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        std::uint8_t random[4];
        if (!FillSystemRandom(random, sizeof random)) {
            return nullptr;
        }
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%02x%02x%02x%02x.tmp", random[0], random[1], random[2], random[3]);
        const std::string candidate = path + suffix;
        bool nameTaken = false;
        std::unique_ptr<OutputFile> file = create(candidate, nameTaken);
        if (file) {
            createdPath = candidate;
            return file;
        }
        if (!nameTaken) {
            return nullptr;
        }
    }
    return nullptr;
}

} // namespace vaultlet

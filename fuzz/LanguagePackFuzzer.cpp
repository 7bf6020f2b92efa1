// Loads arbitrary bytes as the compiled-in language file and reads every language of it.
#include "services/LanguagePack.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vaultlet::LanguagePack pack(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& language : pack.availableLanguages()) {
        if (pack.setLanguage(language)) {
            for (int id : {0, 1, 128, 140, 10000, 57600}) {
                (void)pack.getString(id);
            }
            (void)pack.menuTexts(128);
        }
    }
    return 0;
}

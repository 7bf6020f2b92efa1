// Feeds arbitrary text to the ini parser and checks that whatever it reads survives a write and
// a second read unchanged.
#include "shell/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vaultlet::IniFile first;
    first.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    vaultlet::IniFile second;
    second.Parse(first.Format());
    if (second.Sections() != first.Sections()) {
        __builtin_trap();
    }
    return 0;
}

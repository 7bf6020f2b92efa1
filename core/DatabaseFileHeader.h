#pragma once

#include "core/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vaultlet {

// The part of a database file that can be read without the password: a 48-byte fixed header
// (magic, cipher id, key iteration count, name length) followed by the database name in UTF-16LE.
// All integers are little-endian; reserved bytes are written as zero and ignored when read.
struct DatabaseFileHeader {
    static constexpr std::size_t kFixedSize = 48;
    // The name length is one byte.
    static constexpr std::size_t kMaxNameLength = 255;

    std::uint16_t cipherId = 1;
    std::uint32_t keyIterations = 100000;
    std::u16string name;

    // The fixed part followed by the name (at most kMaxNameLength characters of it).
    std::vector<std::uint8_t> Serialize() const;
    // Reads the fixed part and the name from the start of the file. False when the magic differs or
    // either part cannot be read whole.
    bool ReadFrom(InputFile& file);

    // Size of the fixed part plus the name, i.e. where the check block starts.
    std::size_t Size() const noexcept { return kFixedSize + 2 * name.size(); }
};

// The name as the header stores it: converted to UTF-16 and cut to kMaxNameLength characters,
// never in the middle of a surrogate pair.
std::u16string HeaderNameOf(std::string_view ansiName);

} // namespace vaultlet

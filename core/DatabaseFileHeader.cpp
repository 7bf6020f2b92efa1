#include "core/DatabaseFileHeader.h"

#include "core/TextConversion.h"

#include <algorithm>
#include <cstring>

namespace vaultlet {
namespace {

constexpr std::uint8_t kMagic[16] = {0x21, 0xA3, 0xB1, 0x56, 0x80, 0xC0, 0x46, 0x82,
                                     0xB5, 0xCD, 0x12, 0x97, 0x87, 0x1D, 0xF1, 0x28};
constexpr std::size_t kCipherIdOffset = 16;
constexpr std::size_t kIterationsOffset = 20;
constexpr std::size_t kNameLengthOffset = 44;

void PutLittleEndian(std::uint8_t* out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t GetLittleEndian(const std::uint8_t* in, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | in[i];
    }
    return value;
}

} // namespace

std::vector<std::uint8_t> DatabaseFileHeader::Serialize() const {
    const std::size_t length = std::min(name.size(), kMaxNameLength);
    std::vector<std::uint8_t> bytes(kFixedSize + 2 * length, 0);
    std::memcpy(bytes.data(), kMagic, sizeof kMagic);
    PutLittleEndian(&bytes[kCipherIdOffset], cipherId, 2);
    PutLittleEndian(&bytes[kIterationsOffset], keyIterations, 4);
    bytes[kNameLengthOffset] = static_cast<std::uint8_t>(length);
    for (std::size_t i = 0; i < length; ++i) {
        PutLittleEndian(&bytes[kFixedSize + 2 * i], name[i], 2);
    }
    return bytes;
}

bool DatabaseFileHeader::ReadFrom(InputFile& file) {
    std::uint8_t fixed[kFixedSize];
    if (file.Read(fixed, sizeof fixed) != sizeof fixed || std::memcmp(fixed, kMagic, sizeof kMagic) != 0) {
        return false;
    }
    cipherId = static_cast<std::uint16_t>(GetLittleEndian(&fixed[kCipherIdOffset], 2));
    keyIterations = GetLittleEndian(&fixed[kIterationsOffset], 4);
    const std::size_t length = fixed[kNameLengthOffset];
    std::vector<std::uint8_t> raw(2 * length);
    if (length > 0 && file.Read(raw.data(), raw.size()) != raw.size()) {
        return false;
    }
    name.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        name[i] = static_cast<char16_t>(GetLittleEndian(&raw[2 * i], 2));
    }
    return true;
}

std::u16string HeaderNameOf(std::string_view ansiName) {
    const SecureU16String wide = AnsiToUtf16(ansiName);
    std::size_t length = std::min(wide.size(), DatabaseFileHeader::kMaxNameLength);
    const bool splitsPair = length < wide.size() && wide[length - 1] >= 0xD800 && wide[length - 1] <= 0xDBFF;
    if (splitsPair) {
        --length;
    }
    return std::u16string(wide.data(), length);
}

} // namespace vaultlet

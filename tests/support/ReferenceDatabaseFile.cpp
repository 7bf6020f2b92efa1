#include "tests/support/ReferenceDatabaseFile.h"

#include "core/TextConversion.h"
#include "core/crypto/CipherRegistry.h"
#include "core/crypto/Ripemd.h"

#include <cstring>
#include <vector>

namespace vaultlet::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::uint8_t kMagic[16] = {0x21, 0xA3, 0xB1, 0x56, 0x80, 0xC0, 0x46, 0x82,
                                 0xB5, 0xCD, 0x12, 0x97, 0x87, 0x1D, 0xF1, 0x28};
const std::uint8_t kSalt[16] = {0x6B, 0x1E, 0x90, 0xD4, 0x37, 0xA2, 0x5C, 0x08,
                                0xF1, 0x4D, 0x83, 0x2A, 0x9E, 0x66, 0xC5, 0xB0};

Bytes HashOf(RipemdVariant variant, const Bytes& data) {
    Ripemd hash(variant);
    hash.Add(data.data(), data.size());
    Bytes digest(Ripemd::DigestSize(variant));
    hash.Finish(digest.data());
    return digest;
}

Bytes BaseKey(const std::string& password) {
    return HashOf(RipemdVariant::Ripemd256, Bytes(password.begin(), password.end()));
}

void HashTimes(Bytes& key, std::uint32_t times) {
    for (std::uint32_t i = 0; i < times; ++i) {
        key = HashOf(RipemdVariant::Ripemd256, key);
    }
}

// The database ciphers have blocks of 16 bytes (a RIPEMD-128 digest fills them) or 8 (no RIPEMD width
// fits: the check value is zeros).
Bytes CheckValue(const std::string& ansiName, std::size_t blockSize) {
    Bytes input(kSalt, kSalt + sizeof kSalt);
    input.insert(input.end(), ansiName.begin(), ansiName.end());
    return blockSize == 16 ? HashOf(RipemdVariant::Ripemd128, input) : Bytes(blockSize, 0);
}

// `size` bytes of whole blocks through the cipher under `key`, in one call (ECB: the same bytes as a
// call per block, without a key set-up per block, which makes Blowfish files slow to write).
Bytes RunBlocks(Cipher& cipher, const Bytes& key, bool encrypt, const std::uint8_t* blocks, std::size_t size) {
    if (size == 0) {
        return Bytes();
    }
    Bytes out(size);
    cipher.SetKey(key.data(), key.size());
    const bool ok = encrypt ? cipher.Encrypt(blocks, out.data(), size) : cipher.Decrypt(blocks, out.data(), size);
    return ok ? out : Bytes();
}

Bytes RunBlock(Cipher& cipher, const Bytes& key, bool encrypt, const std::uint8_t* block) {
    return RunBlocks(cipher, key, encrypt, block, cipher.BlockSize());
}

std::uint32_t Little(const std::string& bytes, std::size_t offset, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    }
    return value;
}

} // namespace

std::string WriteReferenceFile(const ReferenceFile& file) {
    CipherRegistry ciphers;
    Cipher* cipher = ciphers.FindById(file.cipherId);
    const SecureU16String wideName = AnsiToUtf16(file.name);
    const std::size_t n = wideName.size();

    Bytes out(48, 0);
    std::memcpy(out.data(), kMagic, 16);
    out[16] = static_cast<std::uint8_t>(file.cipherId);
    out[17] = static_cast<std::uint8_t>(file.cipherId >> 8);
    for (int i = 0; i < 4; ++i) {
        out[20 + i] = static_cast<std::uint8_t>(file.iterations >> (8 * i));
    }
    out[44] = static_cast<std::uint8_t>(n);
    for (char16_t c : wideName) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }

    Bytes key = BaseKey(file.password);
    HashTimes(key, file.iterations + file.extraIterations);
    const std::size_t b = cipher->BlockSize();
    const Bytes check = RunBlock(*cipher, key, true, CheckValue(file.name, b).data());
    out.insert(out.end(), check.begin(), check.end());

    Bytes plain(file.documentText.begin(), file.documentText.end());
    plain.push_back(0);
    plain.resize((plain.size() + b - 1) / b * b, 0);
    const Bytes data = RunBlocks(*cipher, key, true, plain.data(), plain.size());
    out.insert(out.end(), data.begin(), data.end());
    return std::string(out.begin(), out.end());
}

ReferenceOpenResult ReadReferenceFile(const std::string& bytes, const std::string& password) {
    ReferenceOpenResult result;
    result.result = 2;
    if (bytes.size() <= 48 || std::memcmp(bytes.data(), kMagic, 16) != 0) {
        return result;
    }
    const std::uint32_t cipherId = Little(bytes, 16, 2);
    const std::uint32_t iterations = Little(bytes, 20, 4);
    const std::size_t n = static_cast<std::uint8_t>(bytes[44]);
    CipherRegistry ciphers;
    Cipher* cipher = ciphers.FindById(static_cast<int>(cipherId));
    if (cipher == nullptr) {
        result.result = 5;
        return result;
    }
    const std::size_t b = cipher->BlockSize();
    if (bytes.size() < 48 + 2 * n + b) {
        return result;
    }
    std::u16string wideName;
    for (std::size_t i = 0; i < n; ++i) {
        wideName.push_back(static_cast<char16_t>(Little(bytes, 48 + 2 * i, 2)));
    }
    const SecureString name = Utf16ToAnsi(wideName);
    const Bytes checkValue = CheckValue(std::string(name.Viewed()), b);
    const auto* checkBlock = reinterpret_cast<const std::uint8_t*>(bytes.data()) + 48 + 2 * n;

    Bytes key = BaseKey(password);
    HashTimes(key, iterations);
    bool found = false;
    for (std::uint32_t j = 0; j < iterations && !found; ++j) {
        if (j > 0) {
            HashTimes(key, 1);
        }
        if (RunBlock(*cipher, key, false, checkBlock) == checkValue) {
            found = true;
            result.extraIterations = j;
        }
    }
    if (!found) {
        result.result = 1;
        return result;
    }
    const std::size_t start = 48 + 2 * n + b;
    if ((bytes.size() - start) % b != 0) {
        return result;
    }
    const Bytes data = RunBlocks(*cipher, key, false, reinterpret_cast<const std::uint8_t*>(bytes.data()) + start,
                                 bytes.size() - start);
    const std::string text(data.begin(), data.end());
    result.documentText = text.substr(0, text.find('\0'));
    result.result = 0;
    return result;
}

} // namespace vaultlet::test

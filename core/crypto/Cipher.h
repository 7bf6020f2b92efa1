#pragma once

#include <cstddef>
#include <cstdint>

namespace vaultlet {

// A block cipher as the database file uses it: SetKey stores key material in the cipher's key
// buffer, then exactly one Encrypt or Decrypt runs over whole blocks in electronic codebook mode
// (every block on its own, no chaining). That call builds the key schedule from the buffer and wipes
// buffer and schedule before it returns, so every further call needs a new SetKey; a call without
// one runs with the zeroed buffer.
//
// Encrypt and Decrypt return false, write nothing and keep the key when the length is not a whole
// number of blocks. Input and output may be the same buffer.
class Cipher {
public:
    Cipher() = default;
    Cipher(const Cipher&) = delete;
    Cipher& operator=(const Cipher&) = delete;

    virtual void SetKey(const std::uint8_t* key, std::size_t length) = 0;
    [[nodiscard]] virtual bool Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) = 0;
    [[nodiscard]] virtual bool Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) = 0;
    virtual std::size_t BlockSize() const = 0;
    // Identifier stored in database headers (16-bit field).
    virtual int Id() const = 0;
    virtual const char* Name() const = 0;
    virtual const char* Description() const = 0;
    virtual ~Cipher() = default;
};

} // namespace vaultlet

#pragma once

#include "core/SecureBytes.h"
#include "core/crypto/Cipher.h"
#include "core/crypto/InlineWipe.h"

#include <algorithm>
#include <cstring>

namespace vaultlet {

// What the Blowfish and Twofish ciphers share: SetKey copies the first min(length, 32) bytes of the
// key into the 32-byte key buffer, leaving the rest of it as it was, and every call keys `Engine`
// with the whole buffer, runs it over the blocks, then wipes the buffer. `Engine` has kBlockSize and
// EncryptBlocks/DecryptBlocks over whole blocks; KeyEngine sets its key.
template <class Engine>
class CopiedKeyCipher : public Cipher {
public:
    static constexpr std::size_t kBlockSize = Engine::kBlockSize;

    void SetKey(const std::uint8_t* key, std::size_t length) override {
        const std::size_t count = std::min(length, m_key.size());
        if (count != 0) {
            std::memcpy(m_key.data(), key, count);
        }
    }

    bool Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override {
        return Run(true, in, out, length);
    }

    bool Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override {
        return Run(false, in, out, length);
    }

    std::size_t BlockSize() const override { return kBlockSize; }
    const char* Description() const override { return ""; }

protected:
    // Keys the engine for a run over `blocks` blocks; false when the key is refused.
    virtual bool KeyEngine(Engine& engine, const std::uint8_t* key, std::size_t length, std::size_t blocks) const {
        static_cast<void>(blocks);
        return engine.SetKey(key, length);
    }

private:
    bool Run(bool encrypting, const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
        if (length % kBlockSize != 0) {
            return false;
        }
        const std::size_t blocks = length / kBlockSize;
        Engine engine;
        const bool ok = KeyEngine(engine, m_key.data(), m_key.size(), blocks);
        if (ok) {
            if (encrypting) {
                engine.EncryptBlocks(in, out, blocks);
            } else {
                engine.DecryptBlocks(in, out, blocks);
            }
        }
        InlineWipe(m_key.data(), m_key.size());
        return ok;
    }

    SecureArray<32> m_key;
};

} // namespace vaultlet

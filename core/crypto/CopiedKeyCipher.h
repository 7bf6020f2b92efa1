#pragma once

#include "core/crypto/BufferedKeyCipher.h"

#include <algorithm>
#include <cstring>

namespace vaultlet {

// What the Blowfish and Twofish ciphers share: SetKey copies the first min(length, 32) bytes of the
// key into the 32-byte key buffer, leaving the rest of it as it was, and every call keys `Engine`
// with the whole buffer. `Engine` has kBlockSize and EncryptBlocks/DecryptBlocks over whole blocks;
// KeyEngine sets its key.
template <class Engine>
class CopiedKeyCipher : public BufferedKeyCipher<Engine::kBlockSize, 32> {
public:
    void SetKey(const std::uint8_t* key, std::size_t length) override {
        const std::size_t count = std::min(length, this->m_key.size());
        if (count != 0) {
            std::memcpy(this->m_key.data(), key, count);
        }
    }

protected:
    // Keys the engine for a run over `blocks` blocks; false when the key is refused.
    virtual bool KeyEngine(Engine& engine, const std::uint8_t* key, std::size_t length, std::size_t blocks) const {
        static_cast<void>(blocks);
        return engine.SetKey(key, length);
    }

    bool RunBlocks(bool encrypting, const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) override {
        Engine engine;
        if (!KeyEngine(engine, this->m_key.data(), this->m_key.size(), blocks)) {
            return false;
        }
        if (encrypting) {
            engine.EncryptBlocks(in, out, blocks);
        } else {
            engine.DecryptBlocks(in, out, blocks);
        }
        return true;
    }
};

} // namespace vaultlet

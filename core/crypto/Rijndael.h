#pragma once

#include <cstddef>
#include <cstdint>

namespace vaultlet {

// Outcome of a Rijndael operation; every refusal has a fixed text (RijndaelResultText).
enum class RijndaelResult {
    Ok,
    EmptyKey,
    IncorrectKeyLength,
    IncorrectBlockLength,
    NotInitialized,
    DataNotMultipleOfBlockSize,
};

// "Empty key", "Incorrect key length", ...; an empty text for Ok.
const char* RijndaelResultText(RijndaelResult result) noexcept;

// The AES component: Rijndael with 16-, 24- or 32-byte keys and blocks (AES proper is the 16-byte
// block), electronic codebook over whole blocks. With 16-byte blocks it runs on the processor's AES
// instructions when there are any (checked at run time), otherwise on lookup tables; both compute the
// same function. The decryption schedule is derived on the first decryption only, because most keys
// of the database format decrypt a single block. The destructor and Wipe clear every schedule.
class Rijndael {
public:
    enum class Engine { Automatic, Portable };

    explicit Rijndael(Engine engine = Engine::Automatic) noexcept;
    ~Rijndael();
    Rijndael(const Rijndael&) = delete;
    Rijndael& operator=(const Rijndael&) = delete;

    [[nodiscard]] RijndaelResult MakeKey(const std::uint8_t* key, std::size_t keyLength,
                                         std::size_t blockLength = 16) noexcept;
    [[nodiscard]] RijndaelResult EncryptBlock(const std::uint8_t* in, std::uint8_t* out) noexcept;
    [[nodiscard]] RijndaelResult DecryptBlock(const std::uint8_t* in, std::uint8_t* out) noexcept;
    // Whole blocks, each on its own; in and out may be the same buffer.
    [[nodiscard]] RijndaelResult Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) noexcept;
    [[nodiscard]] RijndaelResult Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) noexcept;

    // Forgets the key: wipes the schedules; further use needs MakeKey.
    void Wipe() noexcept;

    std::size_t BlockLength() const noexcept { return 4 * static_cast<std::size_t>(m_blockWords); }
    int Rounds() const noexcept { return m_rounds; }
    // True when the current key runs on the AES instructions.
    bool UsesHardware() const noexcept { return m_keyed && m_hardware; }
    static bool HardwareAvailable() noexcept;

    // One 16-byte block encrypted under each of kKeyLanes keys of 16 or 32 bytes (one after another in
    // `keys`), the results one after another in `out`: what a key search does with its candidates. On
    // the AES instructions the keys run side by side, their schedules made alongside the rounds.
    static constexpr std::size_t kKeyLanes = 4;
    static void EncryptBlockUnderKeys(const std::uint8_t* keys, std::size_t keyLength, const std::uint8_t* in,
                                      std::uint8_t* out, Engine engine = Engine::Automatic) noexcept;

private:
    static constexpr int kMaxScheduleWords = 8 * 15;

    RijndaelResult Check(std::size_t length) const noexcept;
    void PrepareDecryption() noexcept;
    void EncryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) noexcept;
    void DecryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) noexcept;

    alignas(16) std::uint32_t m_encrypt[kMaxScheduleWords];
    alignas(16) std::uint32_t m_decrypt[kMaxScheduleWords];
    Engine m_engine;
    int m_rounds = 0;
    int m_blockWords = 0;
    bool m_keyed = false;
    bool m_decryptReady = false;
    bool m_hardware = false;
};

} // namespace vaultlet

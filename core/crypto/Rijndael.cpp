#include "core/crypto/Rijndael.h"

#include "core/crypto/AesNi.h"
#include "core/crypto/AesTables.h"
#include "core/crypto/ByteOrder.h"
#include "core/crypto/InlineWipe.h"

#include <algorithm>
#include <bit>

namespace vaultlet {

namespace {

using aes::kTables;
using bytes::Byte;

// ShiftRows moves row r of the state left by Offset(Nb, r) columns: 1, 2, 3 for blocks of four and
// six columns, 1, 3, 4 for eight.
template <int Nb>
constexpr int Offset(int row) {
    return row == 0 ? 0 : (Nb == 8 && row > 1 ? row + 1 : row);
}

std::uint32_t SubWord(std::uint32_t w) {
    return aes::Column(kTables.sbox[Byte(w, 0)], kTables.sbox[Byte(w, 1)], kTables.sbox[Byte(w, 2)],
                       kTables.sbox[Byte(w, 3)]);
}

std::uint32_t InverseMixColumn(std::uint32_t w) {
    return kTables.inverseMix[0][Byte(w, 0)] ^ kTables.inverseMix[1][Byte(w, 1)] ^ kTables.inverseMix[2][Byte(w, 2)] ^
           kTables.inverseMix[3][Byte(w, 3)];
}

// Key expansion: the key words, then each word the one Nk back XOR the previous word, which every
// Nk words is rotated, substituted and given a round constant (and for keys over six words also
// substituted half-way).
template <int Nk>
void ExpandKey(const std::uint8_t* key, std::uint32_t* w, int total) {
    for (int i = 0; i < Nk; ++i) {
        w[i] = bytes::LoadLe32(key + 4 * i);
    }
    for (int i = Nk; i < total; ++i) {
        std::uint32_t temp = w[i - 1];
        if (i % Nk == 0) {
            temp = SubWord(std::rotr(temp, 8)) ^ kTables.rcon[i / Nk - 1];
        } else if (Nk > 6 && i % Nk == 4) {
            temp = SubWord(temp);
        }
        w[i] = w[i - Nk] ^ temp;
    }
}

// One block through the table form; `tables` are the encryption or decryption round tables, `last`
// the plain S-box of the final round, Direction +1 for encryption (rows shift left), -1 for decryption.
template <int Nb, int Direction>
[[gnu::always_inline]] inline void
ProcessBlock(const std::uint32_t* keys, int rounds, const std::array<std::array<std::uint32_t, 256>, 4>& tables,
             const std::array<std::uint8_t, 256>& last, const std::uint8_t* in, std::uint8_t* out) {
    constexpr auto source = [](int column, int row) { return (column + Direction * Offset<Nb>(row) + Nb) % Nb; };
    std::uint32_t s[Nb];
    std::uint32_t t[Nb];
#pragma GCC unroll 8
    for (int j = 0; j < Nb; ++j) {
        s[j] = bytes::LoadLe32(in + 4 * j) ^ keys[j];
    }
    for (int round = 1; round < rounds; ++round) {
        keys += Nb;
#pragma GCC unroll 8
        for (int j = 0; j < Nb; ++j) {
            t[j] = tables[0][Byte(s[j], 0)] ^ tables[1][Byte(s[source(j, 1)], 1)] ^
                   tables[2][Byte(s[source(j, 2)], 2)] ^ tables[3][Byte(s[source(j, 3)], 3)] ^ keys[j];
        }
        std::copy(t, t + Nb, s);
    }
    keys += Nb;
#pragma GCC unroll 8
    for (int j = 0; j < Nb; ++j) {
        t[j] = aes::Column(last[Byte(s[j], 0)], last[Byte(s[source(j, 1)], 1)], last[Byte(s[source(j, 2)], 2)],
                           last[Byte(s[source(j, 3)], 3)]) ^
               keys[j];
        bytes::StoreLe32(out + 4 * j, t[j]);
    }
}

template <int Nb>
void EncryptPortable(const std::uint32_t* keys, int rounds, const std::uint8_t* in, std::uint8_t* out,
                     std::size_t blocks) {
    for (; blocks != 0; --blocks, in += 4 * Nb, out += 4 * Nb) {
        ProcessBlock<Nb, 1>(keys, rounds, kTables.encrypt, kTables.sbox, in, out);
    }
}

template <int Nb>
void DecryptPortable(const std::uint32_t* keys, int rounds, const std::uint8_t* in, std::uint8_t* out,
                     std::size_t blocks) {
    for (; blocks != 0; --blocks, in += 4 * Nb, out += 4 * Nb) {
        ProcessBlock<Nb, -1>(keys, rounds, kTables.decrypt, kTables.inverseSbox, in, out);
    }
}

} // namespace

const char* RijndaelResultText(RijndaelResult result) noexcept {
    switch (result) {
    case RijndaelResult::Ok:
        return "";
    case RijndaelResult::EmptyKey:
        return "Empty key";
    case RijndaelResult::IncorrectKeyLength:
        return "Incorrect key length";
    case RijndaelResult::IncorrectBlockLength:
        return "Incorrect block length";
    case RijndaelResult::NotInitialized:
        return "Object not Initialized";
    case RijndaelResult::DataNotMultipleOfBlockSize:
        return "Data not multiple of Block Size";
    }
    return "";
}

Rijndael::Rijndael(Engine engine) noexcept : m_engine(engine) {}

Rijndael::~Rijndael() {
    Wipe();
}

bool Rijndael::HardwareAvailable() noexcept {
    return AesNi::Available();
}

void Rijndael::EncryptBlockUnderKeys(const std::uint8_t* keys, std::size_t keyLength, const std::uint8_t* in,
                                     std::uint8_t* out, Engine engine) noexcept {
    static_assert(kKeyLanes == AesNi::kKeyLanes);
    if (engine == Engine::Automatic && (keyLength == 16 || keyLength == 32) && AesNi::Available()) {
        AesNi::EncryptBlockUnderKeys(keys, keyLength, in, out);
        return;
    }
    Rijndael aes(engine);
    for (std::size_t i = 0; i < kKeyLanes; ++i) {
        if (aes.MakeKey(keys + keyLength * i, keyLength) != RijndaelResult::Ok ||
            aes.EncryptBlock(in, out + 16 * i) != RijndaelResult::Ok) {
            InlineWipe(out + 16 * i, 16);
        }
    }
}

void Rijndael::Wipe() noexcept {
    if (m_rounds != 0) {
        const std::size_t used = sizeof(std::uint32_t) * static_cast<std::size_t>(m_blockWords * (m_rounds + 1));
        InlineWipe(m_encrypt, used);
        if (m_decryptReady) {
            InlineWipe(m_decrypt, used);
        }
    }
    m_rounds = 0;
    m_blockWords = 0;
    m_keyed = false;
    m_decryptReady = false;
}

RijndaelResult Rijndael::MakeKey(const std::uint8_t* key, std::size_t keyLength, std::size_t blockLength) noexcept {
    if (key == nullptr || keyLength == 0) {
        return RijndaelResult::EmptyKey;
    }
    if (keyLength != 16 && keyLength != 24 && keyLength != 32) {
        return RijndaelResult::IncorrectKeyLength;
    }
    if (blockLength != 16 && blockLength != 24 && blockLength != 32) {
        return RijndaelResult::IncorrectBlockLength;
    }
    Wipe();
    const int nk = static_cast<int>(keyLength / 4);
    m_blockWords = static_cast<int>(blockLength / 4);
    m_rounds = std::max(nk, m_blockWords) + 6;
    m_hardware = m_engine == Engine::Automatic && m_blockWords == 4 && AesNi::Available();

    if (m_hardware && AesNi::ExpandKey(key, keyLength, m_encrypt)) {
        m_keyed = true;
        return RijndaelResult::Ok;
    }
    switch (nk) {
    case 4:
        ExpandKey<4>(key, m_encrypt, m_blockWords * (m_rounds + 1));
        break;
    case 6:
        ExpandKey<6>(key, m_encrypt, m_blockWords * (m_rounds + 1));
        break;
    default:
        ExpandKey<8>(key, m_encrypt, m_blockWords * (m_rounds + 1));
        break;
    }
    m_keyed = true;
    return RijndaelResult::Ok;
}

void Rijndael::PrepareDecryption() noexcept {
    if (m_decryptReady) {
        return;
    }
    if (m_hardware) {
        AesNi::InverseKeys(m_encrypt, m_decrypt, m_rounds);
    } else {
        // The equivalent inverse cipher: round keys in reverse order, InvMixColumns applied to all but
        // the first and the last.
        const int nb = m_blockWords;
        for (int round = 0; round <= m_rounds; ++round) {
            const std::uint32_t* from = m_encrypt + nb * (m_rounds - round);
            std::uint32_t* to = m_decrypt + nb * round;
            const bool mix = round != 0 && round != m_rounds;
#pragma GCC unroll 8
            for (int j = 0; j < nb; ++j) {
                to[j] = mix ? InverseMixColumn(from[j]) : from[j];
            }
        }
    }
    m_decryptReady = true;
}

RijndaelResult Rijndael::Check(std::size_t length) const noexcept {
    if (!m_keyed) {
        return RijndaelResult::NotInitialized;
    }
    if (length % BlockLength() != 0) {
        return RijndaelResult::DataNotMultipleOfBlockSize;
    }
    return RijndaelResult::Ok;
}

void Rijndael::EncryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) noexcept {
    if (m_hardware) {
        AesNi::EncryptBlocks(m_encrypt, m_rounds, in, out, blocks);
        return;
    }
    switch (m_blockWords) {
    case 4:
        EncryptPortable<4>(m_encrypt, m_rounds, in, out, blocks);
        break;
    case 6:
        EncryptPortable<6>(m_encrypt, m_rounds, in, out, blocks);
        break;
    default:
        EncryptPortable<8>(m_encrypt, m_rounds, in, out, blocks);
        break;
    }
}

void Rijndael::DecryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) noexcept {
    if (m_hardware && blocks == 1 && !m_decryptReady) {
        AesNi::DecryptBlockWithEncryptionKeys(m_encrypt, m_rounds, in, out);
        return;
    }
    PrepareDecryption();
    if (m_hardware) {
        AesNi::DecryptBlocks(m_decrypt, m_rounds, in, out, blocks);
        return;
    }
    switch (m_blockWords) {
    case 4:
        DecryptPortable<4>(m_decrypt, m_rounds, in, out, blocks);
        break;
    case 6:
        DecryptPortable<6>(m_decrypt, m_rounds, in, out, blocks);
        break;
    default:
        DecryptPortable<8>(m_decrypt, m_rounds, in, out, blocks);
        break;
    }
}

RijndaelResult Rijndael::EncryptBlock(const std::uint8_t* in, std::uint8_t* out) noexcept {
    return m_keyed ? Encrypt(in, out, BlockLength()) : RijndaelResult::NotInitialized;
}

RijndaelResult Rijndael::DecryptBlock(const std::uint8_t* in, std::uint8_t* out) noexcept {
    return m_keyed ? Decrypt(in, out, BlockLength()) : RijndaelResult::NotInitialized;
}

RijndaelResult Rijndael::Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) noexcept {
    const RijndaelResult result = Check(length);
    if (result == RijndaelResult::Ok && length != 0) {
        EncryptBlocks(in, out, length / BlockLength());
    }
    return result;
}

RijndaelResult Rijndael::Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) noexcept {
    const RijndaelResult result = Check(length);
    if (result == RijndaelResult::Ok && length != 0) {
        DecryptBlocks(in, out, length / BlockLength());
    }
    return result;
}

} // namespace vaultlet

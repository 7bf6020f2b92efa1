// The cipher suite against Crypto++, each operation both ways in the same run: the RIPEMD-256 step of
// the key derivation, one key candidate per cipher (SetKey with a 32-byte key and one block
// decrypted, as opening a database does up to a hundred thousand times; for AES this includes the
// RIPEMD digest the key buffer is made of), bulk ECB per cipher and bulk hashing.
#include "core/crypto/Aes128Cipher.h"
#include "core/crypto/Aes256Cipher.h"
#include "core/crypto/BlowfishCipher.h"
#include "core/crypto/Md5.h"
#include "core/crypto/Ripemd.h"
#include "core/crypto/TwofishCipher.h"

#define CRYPTOPP_ENABLE_NAMESPACE_WEAK 1
#include <cryptopp/aes.h>
#include <cryptopp/blowfish.h>
#include <cryptopp/md5.h>
#include <cryptopp/modes.h>
#include <cryptopp/ripemd.h>
#include <cryptopp/twofish.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

using namespace vaultlet;

namespace {

constexpr std::size_t kBulkBytes = 64 * 1024;

std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> data(size);
    std::uint32_t x = 0x12345678;
    for (auto& byte : data) {
        x = x * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(x >> 24);
    }
    return data;
}

// The key of the next candidate: the previous one with a counter mixed in, so no two keys are equal.
void NextKey(std::uint8_t* key, std::uint32_t& counter) {
    ++counter;
    key[0] ^= static_cast<std::uint8_t>(counter);
    key[1] ^= static_cast<std::uint8_t>(counter >> 8);
}

// --- RIPEMD-256 of a 32-byte key, in place (one step of the key chain) ---

void Ours_Ripemd256Of32(benchmark::State& state) {
    auto key = Pattern(32);
    for (auto _ : state) {
        Ripemd::Hash256Of32(key.data(), key.data());
        benchmark::DoNotOptimize(key.data());
    }
}
BENCHMARK(Ours_Ripemd256Of32);

void CryptoPP_Ripemd256Of32(benchmark::State& state) {
    auto key = Pattern(32);
    CryptoPP::RIPEMD256 hash;
    for (auto _ : state) {
        hash.CalculateDigest(key.data(), key.data(), 32);
        benchmark::DoNotOptimize(key.data());
    }
}
BENCHMARK(CryptoPP_Ripemd256Of32);

void Ours_Ripemd256Chain1000(benchmark::State& state) {
    auto key = Pattern(32);
    for (auto _ : state) {
        Ripemd::HashChain256(key.data(), 1000);
        benchmark::DoNotOptimize(key.data());
    }
}
BENCHMARK(Ours_Ripemd256Chain1000);

void CryptoPP_Ripemd256Chain1000(benchmark::State& state) {
    auto key = Pattern(32);
    CryptoPP::RIPEMD256 hash;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            hash.CalculateDigest(key.data(), key.data(), 32);
        }
        benchmark::DoNotOptimize(key.data());
    }
}
BENCHMARK(CryptoPP_Ripemd256Chain1000);

// --- One key candidate: SetKey with a 32-byte key, decrypt one block ---

template <typename OurCipher>
void OursCandidate(benchmark::State& state) {
    OurCipher cipher;
    auto key = Pattern(32);
    auto block = Pattern(cipher.BlockSize());
    std::vector<std::uint8_t> out(cipher.BlockSize());
    std::uint32_t counter = 0;
    for (auto _ : state) {
        NextKey(key.data(), counter);
        cipher.SetKey(key.data(), key.size());
        benchmark::DoNotOptimize(cipher.Decrypt(block.data(), out.data(), out.size()));
        benchmark::DoNotOptimize(out.data());
    }
}

template <typename Hash, std::size_t KeyBytes>
void CryptoPPAesCandidate(benchmark::State& state) {
    CryptoPP::AES::Decryption aes;
    Hash hash;
    std::uint8_t hashed[Hash::DIGESTSIZE];
    auto key = Pattern(32);
    auto block = Pattern(16);
    std::vector<std::uint8_t> out(16);
    std::uint32_t counter = 0;
    for (auto _ : state) {
        NextKey(key.data(), counter);
        hash.CalculateDigest(hashed, key.data(), key.size());
        aes.SetKey(hashed, KeyBytes);
        aes.ProcessBlock(block.data(), out.data());
        benchmark::DoNotOptimize(out.data());
    }
}

template <typename Decryption>
void CryptoPPCandidate(benchmark::State& state) {
    Decryption cipher;
    auto key = Pattern(32);
    auto block = Pattern(Decryption::BLOCKSIZE);
    std::vector<std::uint8_t> out(Decryption::BLOCKSIZE);
    std::uint32_t counter = 0;
    for (auto _ : state) {
        NextKey(key.data(), counter);
        cipher.SetKey(key.data(), key.size());
        cipher.ProcessBlock(block.data(), out.data());
        benchmark::DoNotOptimize(out.data());
    }
}

BENCHMARK(OursCandidate<Aes256Cipher>)->Name("Ours_CandidateAes256");
BENCHMARK(CryptoPPAesCandidate<CryptoPP::RIPEMD256, 32>)->Name("CryptoPP_CandidateAes256");
BENCHMARK(OursCandidate<Aes128Cipher>)->Name("Ours_CandidateAes128");
BENCHMARK(CryptoPPAesCandidate<CryptoPP::RIPEMD128, 16>)->Name("CryptoPP_CandidateAes128");
BENCHMARK(OursCandidate<TwofishCipher>)->Name("Ours_CandidateTwofish");
BENCHMARK(CryptoPPCandidate<CryptoPP::Twofish::Decryption>)->Name("CryptoPP_CandidateTwofish");
BENCHMARK(OursCandidate<BlowfishCipher>)->Name("Ours_CandidateBlowfish");
BENCHMARK(CryptoPPCandidate<CryptoPP::Blowfish::Decryption>)->Name("CryptoPP_CandidateBlowfish");

// --- Bulk ECB: key set-up and a whole buffer in one call, both ways ---

template <typename OurCipher, bool Encrypting>
void OursBulk(benchmark::State& state) {
    OurCipher cipher;
    auto key = Pattern(32);
    auto data = Pattern(kBulkBytes);
    for (auto _ : state) {
        cipher.SetKey(key.data(), key.size());
        const bool ok = Encrypting ? cipher.Encrypt(data.data(), data.data(), data.size())
                                   : cipher.Decrypt(data.data(), data.data(), data.size());
        benchmark::DoNotOptimize(ok);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBulkBytes));
}

// Crypto++ gets the key our cipher actually runs with (the RIPEMD digest for AES), so both sides do the
// same work apart from the hash of one 32-byte key.
template <typename Mode, std::size_t KeyBytes>
void CryptoPPBulk(benchmark::State& state) {
    Mode mode;
    auto key = Pattern(32);
    auto data = Pattern(kBulkBytes);
    for (auto _ : state) {
        mode.SetKey(key.data(), KeyBytes);
        mode.ProcessData(data.data(), data.data(), data.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBulkBytes));
}

BENCHMARK(OursBulk<Aes256Cipher, true>)->Name("Ours_EncryptAes256_64K");
BENCHMARK(CryptoPPBulk<CryptoPP::ECB_Mode<CryptoPP::AES>::Encryption, 32>)->Name("CryptoPP_EncryptAes256_64K");
BENCHMARK(OursBulk<Aes256Cipher, false>)->Name("Ours_DecryptAes256_64K");
BENCHMARK(CryptoPPBulk<CryptoPP::ECB_Mode<CryptoPP::AES>::Decryption, 32>)->Name("CryptoPP_DecryptAes256_64K");
BENCHMARK(OursBulk<Aes128Cipher, true>)->Name("Ours_EncryptAes128_64K");
BENCHMARK(CryptoPPBulk<CryptoPP::ECB_Mode<CryptoPP::AES>::Encryption, 16>)->Name("CryptoPP_EncryptAes128_64K");
BENCHMARK(OursBulk<Aes128Cipher, false>)->Name("Ours_DecryptAes128_64K");
BENCHMARK(CryptoPPBulk<CryptoPP::ECB_Mode<CryptoPP::AES>::Decryption, 16>)->Name("CryptoPP_DecryptAes128_64K");
BENCHMARK(OursBulk<TwofishCipher, true>)->Name("Ours_EncryptTwofish_64K");
BENCHMARK(CryptoPPBulk<CryptoPP::ECB_Mode<CryptoPP::Twofish>::Encryption, 32>)->Name("CryptoPP_EncryptTwofish_64K");
BENCHMARK(OursBulk<TwofishCipher, false>)->Name("Ours_DecryptTwofish_64K");
BENCHMARK(CryptoPPBulk<CryptoPP::ECB_Mode<CryptoPP::Twofish>::Decryption, 32>)->Name("CryptoPP_DecryptTwofish_64K");
BENCHMARK(OursBulk<BlowfishCipher, true>)->Name("Ours_EncryptBlowfish_64K");
BENCHMARK(CryptoPPBulk<CryptoPP::ECB_Mode<CryptoPP::Blowfish>::Encryption, 32>)->Name("CryptoPP_EncryptBlowfish_64K");
BENCHMARK(OursBulk<BlowfishCipher, false>)->Name("Ours_DecryptBlowfish_64K");
BENCHMARK(CryptoPPBulk<CryptoPP::ECB_Mode<CryptoPP::Blowfish>::Decryption, 32>)->Name("CryptoPP_DecryptBlowfish_64K");

// --- Bulk hashing ---

void OursRipemd(benchmark::State& state, RipemdVariant variant) {
    auto data = Pattern(kBulkBytes);
    std::uint8_t digest[Ripemd::kMaxDigestSize];
    for (auto _ : state) {
        Ripemd::Hash(variant, data.data(), data.size(), digest);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBulkBytes));
}

void OursMd5(benchmark::State& state) {
    auto data = Pattern(kBulkBytes);
    std::uint8_t digest[Md5::kDigestSize];
    for (auto _ : state) {
        Md5::Hash(data.data(), data.size(), digest);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBulkBytes));
}

template <typename Hash>
void CryptoPPHash(benchmark::State& state) {
    auto data = Pattern(kBulkBytes);
    Hash hash;
    std::uint8_t digest[Hash::DIGESTSIZE];
    for (auto _ : state) {
        hash.CalculateDigest(digest, data.data(), data.size());
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBulkBytes));
}

BENCHMARK_CAPTURE(OursRipemd, 128, RipemdVariant::Ripemd128)->Name("Ours_Ripemd128_64K");
BENCHMARK(CryptoPPHash<CryptoPP::RIPEMD128>)->Name("CryptoPP_Ripemd128_64K");
BENCHMARK_CAPTURE(OursRipemd, 160, RipemdVariant::Ripemd160)->Name("Ours_Ripemd160_64K");
BENCHMARK(CryptoPPHash<CryptoPP::RIPEMD160>)->Name("CryptoPP_Ripemd160_64K");
BENCHMARK_CAPTURE(OursRipemd, 256, RipemdVariant::Ripemd256)->Name("Ours_Ripemd256_64K");
BENCHMARK(CryptoPPHash<CryptoPP::RIPEMD256>)->Name("CryptoPP_Ripemd256_64K");
BENCHMARK_CAPTURE(OursRipemd, 320, RipemdVariant::Ripemd320)->Name("Ours_Ripemd320_64K");
BENCHMARK(CryptoPPHash<CryptoPP::RIPEMD320>)->Name("CryptoPP_Ripemd320_64K");
BENCHMARK(OursMd5)->Name("Ours_Md5_64K");
BENCHMARK(CryptoPPHash<CryptoPP::Weak::MD5>)->Name("CryptoPP_Md5_64K");

} // namespace

BENCHMARK_MAIN();

#include "core/KeySearch.h"

#include "core/crypto/Aes128Cipher.h"
#include "core/crypto/Aes256Cipher.h"
#include "core/crypto/Blowfish.h"
#include "core/crypto/BlowfishCipher.h"
#include "core/crypto/CipherRegistry.h"
#include "core/crypto/Rijndael.h"
#include "core/crypto/Ripemd.h"
#include "core/crypto/Twofish.h"
#include "core/crypto/TwofishCipher.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

namespace vaultlet {
namespace {

constexpr std::size_t kKeySize = 32;
constexpr unsigned kMaxThreads = 16;
// Below this many iterations a search runs on the calling thread alone.
constexpr std::uint32_t kParallelFrom = 4096;

bool IsAes(int cipherId) {
    return cipherId == Aes256Cipher::kId || cipherId == Aes128Cipher::kId;
}

// AES candidates on the calling thread alone. An AES key is a RIPEMD digest of the candidate: for
// AES-256 the digest the chain makes next anyway, for AES-128 a RIPEMD-128, made for four candidates
// in the same pass as a step of the chain (which leaves the vector units idle); and the check block
// under four fresh keys costs less than that step. So the chain is nearly the whole cost, and helper
// threads would only add theirs: starting, a buffer of every candidate to fill and wipe, waiting on
// each other. A cipher is a permutation, so encrypting the check value and comparing with the stored
// block answers the same question as decrypting the block.
class AesCandidates {
public:
    static constexpr std::size_t kLanes = Rijndael::kKeyLanes;
    static_assert(kLanes == 4, "RIPEMD-128 digests are made four at a time");

    explicit AesCandidates(const KeySearch::Task& task) : m_task(task), m_aes256(task.cipherId == Aes256Cipher::kId) {}

    std::optional<SecureArray<32>> Find() {
        std::memcpy(Key(0), m_task.baseKey->data(), kKeySize);
        Ripemd::HashChain256(Key(0), m_task.iterations);
        for (std::size_t i = 1; i < kLanes; ++i) {
            Ripemd::Hash256Of32(Key(i - 1), Key(i));
        }
        // Keys 0 .. 3 are candidates first .. first + 3; the next four follow while these are tested.
        for (std::uint32_t first = 0; first < m_task.iterations; first += kLanes) {
            const std::uint8_t* aesKeys = ExtendChain();
            Rijndael::EncryptBlockUnderKeys(aesKeys, m_aes256 ? kKeySize : 16, m_task.checkValue, m_blocks.data());
            const std::size_t count = std::min<std::size_t>(kLanes, m_task.iterations - first);
            for (std::size_t i = 0; i < count; ++i) {
                if (std::memcmp(m_blocks.data() + kBlock * i, m_task.checkBlock, kBlock) == 0) {
                    SecureArray<32> key;
                    std::memcpy(key.data(), Key(i), kKeySize);
                    return key;
                }
            }
            std::memcpy(Key(0), Key(kLanes), kLanes * kKeySize);
        }
        return std::nullopt;
    }

private:
    static constexpr std::size_t kBlock = Aes256Cipher::kBlockSize;

    std::uint8_t* Key(std::size_t index) noexcept { return m_keys.data() + index * kKeySize; }

    // Makes keys 4 .. 7 and returns the AES keys of candidates 0 .. 3: AES-256 keys candidate j with
    // candidate j + 1.
    const std::uint8_t* ExtendChain() {
        if (m_aes256) {
            Ripemd::Hash256Of32(Key(kLanes - 1), Key(kLanes));
        } else {
            Ripemd::Hash256Of32WithHash128Of32x4(Key(kLanes - 1), Key(kLanes), Key(0), m_aes128Keys.data());
        }
        for (std::size_t i = kLanes + 1; i < 2 * kLanes; ++i) {
            Ripemd::Hash256Of32(Key(i - 1), Key(i));
        }
        return m_aes256 ? Key(1) : m_aes128Keys.data();
    }

    const KeySearch::Task& m_task;
    const bool m_aes256;
    SecureArray<kKeySize * 2 * kLanes> m_keys;
    SecureArray<16 * kLanes> m_aes128Keys;
    SecureArray<kBlock * kLanes> m_blocks;
};

// Tests Twofish and Blowfish candidate keys for one thread; these keys take long to set up, so the
// search spreads them over threads. Encrypting the check value and comparing with the stored block
// answers the same question as decrypting it, without the decryption key schedule.
class CandidateTester {
public:
    explicit CandidateTester(const KeySearch::Task& task) : m_task(task), m_cipher(m_ciphers.FindById(task.cipherId)) {}

    // `key` is candidate j.
    bool Matches(const std::uint8_t* key) {
        std::uint8_t block[kKeySize];
        m_cipher->SetKey(key, kKeySize);
        const bool encrypted = m_cipher->Encrypt(m_task.checkValue, block, m_task.blockSize);
        const bool match = encrypted && std::memcmp(block, m_task.checkBlock, m_task.blockSize) == 0;
        SecureWipe(block, sizeof block);
        return match;
    }

    // Blowfish and Twofish candidates are tried two at a time: Blowfish's key schedules, built in
    // step, overlap, and so do the rounds of Twofish's check block under two keys.
    bool TestsInPairs() const noexcept {
        return m_task.cipherId == BlowfishCipher::kId || m_task.cipherId == TwofishCipher::kId;
    }

    // Tests the candidates at `first` and `second`; 1 or 2 for the first that matches, else 0.
    int MatchesPair(const std::uint8_t* first, const std::uint8_t* second) {
        std::uint8_t blocks[2][kKeySize];
        const bool encrypted = m_task.cipherId == BlowfishCipher::kId ? EncryptBlowfishPair(first, second, blocks)
                                                                      : EncryptTwofishPair(first, second, blocks);
        int match = 0;
        if (encrypted) {
            if (std::memcmp(blocks[0], m_task.checkBlock, m_task.blockSize) == 0) {
                match = 1;
            } else if (std::memcmp(blocks[1], m_task.checkBlock, m_task.blockSize) == 0) {
                match = 2;
            }
        }
        SecureWipe(blocks, sizeof blocks);
        return match;
    }

private:
    bool EncryptBlowfishPair(const std::uint8_t* first, const std::uint8_t* second, std::uint8_t (*blocks)[kKeySize]) {
        const bool ok = Blowfish::SetKeyPair(m_blowfish[0], first, m_blowfish[1], second, kKeySize);
        if (ok) {
            m_blowfish[0].EncryptBlocks(m_task.checkValue, blocks[0], 1);
            m_blowfish[1].EncryptBlocks(m_task.checkValue, blocks[1], 1);
        }
        m_blowfish[0].Wipe();
        m_blowfish[1].Wipe();
        return ok;
    }

    // Compact keying, as the cipher itself uses for a single block.
    bool EncryptTwofishPair(const std::uint8_t* first, const std::uint8_t* second, std::uint8_t (*blocks)[kKeySize]) {
        const bool ok = m_twofish[0].SetKey(first, kKeySize, Twofish::Keying::Compact) &&
                        m_twofish[1].SetKey(second, kKeySize, Twofish::Keying::Compact) &&
                        Twofish::EncryptBlockPair(m_twofish[0], m_twofish[1], m_task.checkValue, blocks[0], blocks[1]);
        m_twofish[0].Wipe();
        m_twofish[1].Wipe();
        return ok;
    }

    const KeySearch::Task& m_task;
    CipherRegistry m_ciphers;
    Cipher* m_cipher;
    Blowfish m_blowfish[2];
    Twofish m_twofish[2];
};

// The chain of candidates, shared by the threads: slot j holds candidate j once `produced` > j.
// Candidates are published and claimed in batches, and every shared counter has a cache line of its
// own, so the threads do not wait on each other's cache traffic at every key.
class CandidateChain {
public:
    CandidateChain(const KeySearch::Task& task)
        : m_task(task), m_keys(static_cast<std::size_t>(task.iterations) * kKeySize) {}

    // The producing thread: extends the chain, keeping a lead over the testers, and tests batches
    // itself whenever the lead is big enough, so no thread makes keys nobody will need.
    void Produce(CandidateTester& tester) {
        std::memcpy(m_keys.data(), m_task.baseKey->data(), kKeySize);
        Ripemd::HashChain256(m_keys.data(), m_task.iterations);
        std::uint32_t made = 1; // slots 0 .. made - 1 hold candidates
        m_produced.value.store(made, std::memory_order_release);
        const std::uint32_t needed = m_task.iterations;
        while (made < needed && m_best.value.load(std::memory_order_relaxed) == kNone) {
            const std::uint32_t claimed = m_next.value.load(std::memory_order_relaxed);
            if (made >= claimed + kLead && TestMadeBatch(tester, made)) {
                continue;
            }
            const std::uint32_t batchEnd = std::min(needed, made + kBatch);
            for (; made < batchEnd; ++made) {
                const std::uint8_t* previous = m_keys.data() + static_cast<std::size_t>(made - 1) * kKeySize;
                Ripemd::Hash256Of32(previous, m_keys.data() + static_cast<std::size_t>(made) * kKeySize);
            }
            m_produced.value.store(made, std::memory_order_release);
        }
        m_producing.value.store(false, std::memory_order_release);
        Test(tester);
    }

    // A testing thread: claims batches of candidates until none is left or a match makes the rest
    // pointless.
    void Test(CandidateTester& tester) {
        std::uint32_t available = 0;
        for (;;) {
            const std::uint32_t first = m_next.value.fetch_add(kBatch, std::memory_order_relaxed);
            if (first >= m_task.iterations || !TestBatch(tester, first, available)) {
                return;
            }
        }
    }

    // Claims and tests the next batch if all its candidates are made already; false otherwise.
    bool TestMadeBatch(CandidateTester& tester, std::uint32_t made) {
        std::uint32_t first = m_next.value.load(std::memory_order_relaxed);
        do {
            if (first >= m_task.iterations || first + kBatch > made) {
                return false;
            }
        } while (!m_next.value.compare_exchange_weak(first, first + kBatch, std::memory_order_relaxed));
        TestBatch(tester, first, made);
        return true;
    }

    // Tests candidates first .. first + kBatch - 1 (as far as they exist); `available` is how many
    // candidates are known to be made. False when the search is over for this thread.
    bool TestBatch(CandidateTester& tester, std::uint32_t first, std::uint32_t& available) {
        const std::uint32_t end = std::min<std::uint64_t>(std::uint64_t{first} + kBatch, m_task.iterations);
        const std::uint32_t step = tester.TestsInPairs() ? 2 : 1;
        for (std::uint32_t j = first; j < end; j += step) {
            if (j > m_best.value.load(std::memory_order_relaxed)) {
                return false; // everything from here on comes after a match
            }
            const bool pair = step == 2 && j + 1 < end;
            const std::uint32_t needed = j + (pair ? 2 : 1);
            if (available < needed && !WaitFor(needed, available)) {
                return false;
            }
            const std::uint8_t* key = m_keys.data() + static_cast<std::size_t>(j) * kKeySize;
            const int match = pair ? tester.MatchesPair(key, key + kKeySize) : (tester.Matches(key) ? 1 : 0);
            if (match != 0) {
                const std::uint32_t found = j + static_cast<std::uint32_t>(match) - 1;
                std::uint32_t best = m_best.value.load(std::memory_order_relaxed);
                while (found < best && !m_best.value.compare_exchange_weak(best, found)) {
                }
                return false;
            }
        }
        return end < m_task.iterations;
    }

    std::optional<SecureArray<32>> Result() const {
        const std::uint32_t best = m_best.value.load();
        if (best == kNone) {
            return std::nullopt;
        }
        SecureArray<32> key;
        std::memcpy(key.data(), m_keys.data() + static_cast<std::size_t>(best) * kKeySize, kKeySize);
        return key;
    }

private:
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
    static constexpr std::uint32_t kBatch = 256;
    // How far the chain runs ahead of the claimed candidates before its thread tests too.
    static constexpr std::uint32_t kLead = 4 * kBatch;

    template <typename T>
    struct alignas(64) Shared {
        std::atomic<T> value;
    };

    // Waits until `count` candidates exist and notes how many do; false when the producer stopped
    // before (after a better match).
    bool WaitFor(std::uint32_t count, std::uint32_t& available) const {
        for (;;) {
            const bool producing = m_producing.value.load(std::memory_order_acquire);
            available = m_produced.value.load(std::memory_order_acquire);
            if (available >= count) {
                return true;
            }
            if (!producing) {
                return false;
            }
            std::this_thread::yield();
        }
    }

    const KeySearch::Task& m_task;
    SecureBytes m_keys;
    Shared<std::uint32_t> m_produced{0};
    Shared<bool> m_producing{true};
    Shared<std::uint32_t> m_next{0};
    Shared<std::uint32_t> m_best{kNone};
};

// The plain search for a single thread: no chain is kept, and it stops at the first match.
std::optional<SecureArray<32>> FindSequentially(const KeySearch::Task& task) {
    CandidateTester tester(task);
    SecureArray<32> key = *task.baseKey;
    Ripemd::HashChain256(key.data(), task.iterations);
    for (std::uint32_t j = 0; j < task.iterations; ++j) {
        if (tester.Matches(key.data())) {
            return key;
        }
        Ripemd::Hash256Of32(key.data(), key.data());
    }
    return std::nullopt;
}

unsigned ThreadCount(unsigned requested) {
    const unsigned available = requested != 0 ? requested : std::thread::hardware_concurrency();
    return std::clamp(available, 1u, kMaxThreads);
}

} // namespace

std::optional<SecureArray<32>> KeySearch::Find(const Task& task, unsigned threads) {
    if (task.iterations == 0) {
        return std::nullopt;
    }
    {
        CipherRegistry ciphers;
        if (ciphers.FindById(task.cipherId) == nullptr) {
            return std::nullopt;
        }
    }
    if (IsAes(task.cipherId)) {
        return AesCandidates(task).Find();
    }
    // Short searches end before helper threads would have started.
    const unsigned count = task.iterations < kParallelFrom && threads == 0 ? 1 : ThreadCount(threads);
    if (count == 1) {
        return FindSequentially(task);
    }
    CandidateChain chain(task);
    std::vector<std::thread> workers;
    std::vector<std::unique_ptr<CandidateTester>> testers;
    for (unsigned i = 1; i < count; ++i) {
        testers.push_back(std::make_unique<CandidateTester>(task));
        try {
            workers.emplace_back([&chain, tester = testers.back().get()] { chain.Test(*tester); });
        } catch (...) {
            break; // fewer threads: the search is still complete
        }
    }
    // This thread extends the chain and tests as well.
    CandidateTester own(task);
    chain.Produce(own);
    for (auto& worker : workers) {
        worker.join();
    }
    return chain.Result();
}

} // namespace vaultlet

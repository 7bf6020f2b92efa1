#include "core/KeySearch.h"

#include "core/crypto/Aes256Cipher.h"
#include "core/crypto/CipherRegistry.h"
#include "core/crypto/Rijndael.h"
#include "core/crypto/Ripemd.h"

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

// Tests candidate keys for one thread. A cipher is a permutation, so encrypting the check value and
// comparing with the stored block answers the same question as decrypting the block, without the
// decryption key schedule.
class CandidateTester {
public:
    explicit CandidateTester(const KeySearch::Task& task) : m_task(task) {
        if (task.cipherId != Aes256Cipher::kId) {
            m_cipher = m_ciphers.FindById(task.cipherId);
        }
    }

    // `key` is candidate j; `next` is candidate j + 1, which is also what AES-256 makes of `key`
    // when it hashes it into its key buffer, so that hash need not be computed a second time.
    bool Matches(const std::uint8_t* key, const std::uint8_t* next) {
        std::uint8_t block[kKeySize];
        bool encrypted = false;
        if (m_cipher == nullptr) {
            encrypted = m_aes.MakeKey(next, kKeySize) == RijndaelResult::Ok &&
                        m_aes.EncryptBlock(m_task.checkValue, block) == RijndaelResult::Ok;
            m_aes.Wipe();
        } else {
            m_cipher->SetKey(key, kKeySize);
            encrypted = m_cipher->Encrypt(m_task.checkValue, block, m_task.blockSize);
        }
        const bool match = encrypted && std::memcmp(block, m_task.checkBlock, m_task.blockSize) == 0;
        SecureWipe(block, sizeof block);
        return match;
    }

private:
    const KeySearch::Task& m_task;
    CipherRegistry m_ciphers;
    Cipher* m_cipher = nullptr;
    Rijndael m_aes;
};

// The chain of candidates, shared by the threads: slot j holds candidate j once `produced` > j.
class CandidateChain {
public:
    CandidateChain(const KeySearch::Task& task)
        : m_task(task), m_keys((static_cast<std::size_t>(task.iterations) + 1) * kKeySize) {}

    void Produce() {
        std::uint8_t* slot = m_keys.data();
        std::memcpy(slot, m_task.baseKey->data(), kKeySize);
        Ripemd::HashChain256(slot, m_task.iterations);
        m_produced.store(1, std::memory_order_release);
        for (std::uint32_t j = 1; j <= m_task.iterations; ++j) {
            if (m_best.load(std::memory_order_relaxed) < j) {
                break; // a match was found earlier in the chain
            }
            Ripemd::Hash256Of32(slot, slot + kKeySize);
            slot += kKeySize;
            m_produced.store(j + 1, std::memory_order_release);
        }
        m_producing.store(false, std::memory_order_release);
    }

    void Test(CandidateTester& tester) {
        for (;;) {
            const std::uint32_t j = m_next.fetch_add(1, std::memory_order_relaxed);
            if (j >= m_task.iterations || j > m_best.load(std::memory_order_relaxed)) {
                return;
            }
            if (!WaitFor(j + 2)) {
                return;
            }
            const std::uint8_t* key = m_keys.data() + static_cast<std::size_t>(j) * kKeySize;
            if (tester.Matches(key, key + kKeySize)) {
                std::uint32_t best = m_best.load(std::memory_order_relaxed);
                while (j < best && !m_best.compare_exchange_weak(best, j)) {
                }
            }
        }
    }

    std::optional<SecureArray<32>> Result() const {
        const std::uint32_t best = m_best.load();
        if (best == kNone) {
            return std::nullopt;
        }
        SecureArray<32> key;
        std::memcpy(key.data(), m_keys.data() + static_cast<std::size_t>(best) * kKeySize, kKeySize);
        return key;
    }

private:
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

    // Waits until `count` candidates exist; false when the producer stopped before (a better match).
    bool WaitFor(std::uint32_t count) const {
        while (m_produced.load(std::memory_order_acquire) < count) {
            if (!m_producing.load(std::memory_order_acquire)) {
                return m_produced.load(std::memory_order_acquire) >= count;
            }
            std::this_thread::yield();
        }
        return true;
    }

    const KeySearch::Task& m_task;
    SecureBytes m_keys;
    std::atomic<std::uint32_t> m_produced{0};
    std::atomic<bool> m_producing{true};
    std::atomic<std::uint32_t> m_next{0};
    std::atomic<std::uint32_t> m_best{kNone};
};

// The plain search for a single thread: no chain is kept, and it stops at the first match.
std::optional<SecureArray<32>> FindSequentially(const KeySearch::Task& task) {
    CandidateTester tester(task);
    SecureArray<32> key = *task.baseKey;
    SecureArray<32> next;
    Ripemd::HashChain256(key.data(), task.iterations);
    for (std::uint32_t j = 0; j < task.iterations; ++j) {
        Ripemd::Hash256Of32(key.data(), next.data());
        if (tester.Matches(key.data(), next.data())) {
            return key;
        }
        key = next;
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
    const unsigned count = ThreadCount(threads);
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
    // This thread extends the chain, then helps testing.
    chain.Produce();
    CandidateTester own(task);
    chain.Test(own);
    for (auto& worker : workers) {
        worker.join();
    }
    return chain.Result();
}

} // namespace vaultlet

#include "core/SliceCipher.h"

#include "core/crypto/CipherRegistry.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace vaultlet {
namespace {

constexpr std::size_t kKeySize = 32;
constexpr unsigned kMaxThreads = 8;

class SliceJob {
public:
    SliceJob(int cipherId, const SecureArray<32>& key, bool encrypt, std::uint8_t* data, std::size_t size,
             std::size_t slice)
        : m_cipherId(cipherId), m_key(key), m_encrypt(encrypt), m_data(data), m_size(size), m_slice(slice),
          m_slices((size + slice - 1) / slice) {}

    // Processes slices until none is left; `progress` (if any) hears of the work of every thread.
    void Work(ProgressSink* progress) {
        CipherRegistry ciphers;
        Cipher* cipher = ciphers.FindById(m_cipherId);
        for (std::size_t index = m_next++; index < m_slices && !m_failed; index = m_next++) {
            const std::size_t offset = index * m_slice;
            const std::size_t length = std::min(m_slice, m_size - offset);
            cipher->SetKey(m_key.data(), kKeySize);
            const bool ok = m_encrypt ? cipher->Encrypt(m_data + offset, m_data + offset, length)
                                      : cipher->Decrypt(m_data + offset, m_data + offset, length);
            if (!ok) {
                m_failed = true;
            }
            const std::size_t done = ++m_done;
            if (progress != nullptr) {
                progress->SetPercent(static_cast<int>(std::min<std::size_t>(99, done * 100 / m_slices)));
            }
        }
    }

    std::size_t Slices() const noexcept { return m_slices; }
    bool Failed() const noexcept { return m_failed; }

private:
    int m_cipherId;
    const SecureArray<32>& m_key;
    bool m_encrypt;
    std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_slice;
    std::size_t m_slices;
    std::atomic<std::size_t> m_next{0};
    std::atomic<std::size_t> m_done{0};
    std::atomic<bool> m_failed{false};
};

} // namespace

bool SliceCipher::Run(int cipherId, const SecureArray<32>& key, bool encrypt, std::uint8_t* data, std::size_t size,
                      ProgressSink* progress, unsigned threads) {
    std::size_t blockSize = 0;
    {
        CipherRegistry ciphers;
        const Cipher* cipher = ciphers.FindById(cipherId);
        if (cipher == nullptr) {
            return false;
        }
        blockSize = cipher->BlockSize();
    }
    if (size % blockSize != 0) {
        return false;
    }
    SliceJob job(cipherId, key, encrypt, data, size, kSliceSize - kSliceSize % blockSize);
    const unsigned wanted = threads != 0 ? threads : std::thread::hardware_concurrency();
    const auto count =
        static_cast<unsigned>(std::clamp<std::size_t>(std::min<std::size_t>(wanted, job.Slices()), 1, kMaxThreads));
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < count; ++i) {
        try {
            helpers.emplace_back([&job] { job.Work(nullptr); });
        } catch (...) {
            break; // fewer helpers; this thread still finishes the job
        }
    }
    job.Work(progress);
    for (auto& helper : helpers) {
        helper.join();
    }
    return !job.Failed();
}

} // namespace vaultlet

#include "core/SliceCipher.h"

#include "core/crypto/CipherRegistry.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
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

    // Processes slices until none is left; `progress` (given on the calling thread only) hears of
    // the work of every thread.
    void Work(ProgressSink* progress) {
        CipherRegistry ciphers;
        Cipher* cipher = ciphers.FindById(m_cipherId);
        for (std::size_t index = m_next++; index < m_slices && !m_failed; index = m_next++) {
            const std::size_t offset = index * m_slice;
            const std::size_t length = std::min(m_slice, m_size - offset);
            cipher->SetKey(m_key.data(), kKeySize);
            const bool ok = m_encrypt ? cipher->Encrypt(m_data + offset, m_data + offset, length)
                                      : cipher->Decrypt(m_data + offset, m_data + offset, length);
            std::size_t done = 0;
            {
                std::lock_guard<std::mutex> lock(m_lock);
                m_failed = m_failed || !ok;
                done = ++m_done;
            }
            m_changed.notify_one();
            Report(progress, done);
        }
    }

    void HelperStarted() {
        std::lock_guard<std::mutex> lock(m_lock);
        ++m_helpers;
    }

    void HelperWork() {
        Work(nullptr);
        {
            std::lock_guard<std::mutex> lock(m_lock);
            --m_helpers;
        }
        m_changed.notify_one();
    }

    // On the calling thread: waits until the helpers are done, reporting as their slices finish,
    // and reports the final count once more.
    void WaitForHelpers(ProgressSink* progress) {
        std::unique_lock<std::mutex> lock(m_lock);
        std::size_t reported = 0;
        while (m_helpers > 0) {
            m_changed.wait(lock);
            if (m_done != reported) {
                reported = m_done;
                lock.unlock();
                Report(progress, reported);
                lock.lock();
            }
        }
        const std::size_t done = m_done;
        lock.unlock();
        Report(progress, done);
    }

    void Report(ProgressSink* progress, std::size_t done) const {
        if (progress != nullptr && m_slices != 0) {
            progress->SetPercent(static_cast<int>(std::min<std::size_t>(99, done * 100 / m_slices)));
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
    std::atomic<bool> m_failed{false};
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::size_t m_done = 0;    // guarded by m_lock
    std::size_t m_helpers = 0; // guarded by m_lock
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
            job.HelperStarted();
            helpers.emplace_back([&job] { job.HelperWork(); });
        } catch (...) {
            job.HelperWork(); // the thread did not start: take its place in the count at once
            break;            // fewer helpers; this thread still finishes the job
        }
    }
    job.Work(progress);
    job.WaitForHelpers(progress);
    for (auto& helper : helpers) {
        helper.join();
    }
    return !job.Failed();
}

} // namespace vaultlet

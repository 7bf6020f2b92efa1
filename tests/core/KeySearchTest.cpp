#include "core/KeySearch.h"

#include "core/crypto/CipherRegistry.h"
#include "core/crypto/Ripemd.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

struct Prepared {
    SecureArray<32> baseKey;
    SecureArray<32> fileKey;
    std::uint8_t checkValue[16] = {};
    std::uint8_t checkBlock[16] = {};
    std::size_t blockSize = 0;
};

Prepared Prepare(int cipherId, std::uint32_t iterations, std::uint32_t extra) {
    Prepared p;
    Ripemd::Hash(RipemdVariant::Ripemd256, reinterpret_cast<const std::uint8_t*>("password"), 8, p.baseKey.data());
    p.fileKey = p.baseKey;
    Ripemd::HashChain256(p.fileKey.data(), iterations + extra);
    CipherRegistry ciphers;
    Cipher* cipher = ciphers.FindById(cipherId);
    p.blockSize = cipher->BlockSize();
    for (std::size_t i = 0; i < p.blockSize; ++i) {
        p.checkValue[i] = static_cast<std::uint8_t>(i * 13 + cipherId);
    }
    cipher->SetKey(p.fileKey.data(), 32);
    EXPECT_TRUE(cipher->Encrypt(p.checkValue, p.checkBlock, p.blockSize));
    return p;
}

KeySearch::Task TaskFor(const Prepared& p, int cipherId, std::uint32_t iterations) {
    KeySearch::Task task;
    task.baseKey = &p.baseKey;
    task.iterations = iterations;
    task.cipherId = cipherId;
    task.checkBlock = p.checkBlock;
    task.checkValue = p.checkValue;
    task.blockSize = p.blockSize;
    return task;
}

} // namespace

TEST(KeySearchTest, AnyNumberOfThreadsFindsTheSameKeyForEveryExtraCount) {
    // An odd count, so that the last candidate has no partner for ciphers that test two at once; the
    // extra counts put the key in each place of a pair and each of the four lanes of AES.
    constexpr std::uint32_t kIterations = 25;
    for (const int cipherId : {1, 0, 2, 3}) {
        for (const std::uint32_t extra : {0u, 5u, 10u, 19u, 24u}) {
            const Prepared p = Prepare(cipherId, kIterations, extra);
            for (const unsigned threads : {1u, 2u, 3u, 8u}) {
                const auto found = KeySearch::Find(TaskFor(p, cipherId, kIterations), threads);
                ASSERT_TRUE(found.has_value()) << cipherId << " r " << extra << " threads " << threads;
                EXPECT_TRUE(*found == p.fileKey) << cipherId << " r " << extra << " threads " << threads;
            }
        }
    }
}

TEST(KeySearchTest, NoMatchWhenTheKeyLiesOutsideTheSearchedRange) {
    constexpr std::uint32_t kIterations = 10;
    for (const unsigned threads : {1u, 2u, 4u}) {
        // Saved with r = iterations (never drawn by a real save) or with another password. AES tests
        // candidates four at a time, and the last four run past the range here.
        for (const int aes : {1, 0}) {
            const Prepared beyond = Prepare(aes, kIterations, kIterations);
            EXPECT_FALSE(KeySearch::Find(TaskFor(beyond, aes, kIterations), threads).has_value()) << aes;
        }
        Prepared before = Prepare(3, kIterations, 0);
        EXPECT_FALSE(KeySearch::Find(TaskFor(before, 3, kIterations + 1), threads).has_value())
            << "with one more base iteration the first candidate is already past the key";
    }
}

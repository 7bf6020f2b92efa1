#include "core/crypto/GeneratorRandom.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace vaultlet;

namespace {

std::vector<int> Draw(int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(GeneratorRandom::Next());
    }
    return values;
}

// The first draws of this generator after seeding with 1: the sequence of the classic C runtime rand()
// that uses the same multiplier and increment, as documented for it.
const std::vector<int> kSequenceOfSeed1 = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};

} // namespace

// The state is per thread: a thread that never seeded starts like a seed of 1, whatever other
// threads did, and seeding there leaves this thread's sequence undisturbed.
TEST(GeneratorRandomTest, FollowsTheLinearCongruentialSequenceOnEachThreadApart) {
    GeneratorRandom::Seed(0xDEADBEEF);
    const int first = GeneratorRandom::Next();
    std::vector<int> fresh;
    std::thread([&] {
        fresh = Draw(10);
        GeneratorRandom::Seed(99);
    }).join();
    EXPECT_EQ(fresh, kSequenceOfSeed1);
    const int second = GeneratorRandom::Next();
    GeneratorRandom::Seed(0xDEADBEEF);
    EXPECT_EQ((std::vector<int>{first, second}), Draw(2));
    EXPECT_NE(Draw(10), kSequenceOfSeed1);
    GeneratorRandom::Seed(1);
    EXPECT_EQ(Draw(10), kSequenceOfSeed1);
}

// Checks publish side by side while the window reads: every read is one whole offer.
#include "services/UpdateResultSlot.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace vaultlet {
namespace {

UpdateOffer OfferNumber(int number) {
    const std::string text = std::to_string(number);
    // Long texts: a torn copy would have to move many bytes at once to look whole.
    return UpdateOffer{text, "http://example.org/" + text, std::string(200, 'a' + number % 26) + text};
}

TEST(UpdateResultSlotTest, ReadersSeeWholeOffersWhileChecksPublish) {
    UpdateResultSlot slot;
    EXPECT_FALSE(slot.Latest().has_value());
    std::atomic<bool> stop{false};
    std::vector<std::thread> publishers;
    for (int thread = 0; thread < 3; ++thread) {
        publishers.emplace_back([&slot, &stop, thread] {
            for (int round = 0; !stop; ++round) {
                slot.Publish(OfferNumber(thread * 1000 + round % 1000));
            }
        });
    }
    int torn = 0;
    for (int read = 0; read < 20000;) {
        if (const std::optional<UpdateOffer> offer = slot.Latest()) {
            const UpdateOffer expected = OfferNumber(std::stoi(offer->version));
            torn += offer->address != expected.address || offer->changeLog != expected.changeLog ? 1 : 0;
            ++read;
        }
    }
    stop = true;
    for (std::thread& publisher : publishers) {
        publisher.join();
    }
    EXPECT_EQ(torn, 0);
}

} // namespace
} // namespace vaultlet

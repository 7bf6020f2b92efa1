// Three documents separated by zero bytes: the base, ours and theirs (a base that does not read
// makes the merge a union). Merging must never crash, its result must print, and the laws a user
// relies on must hold whatever the files hold: a side merged with itself stays as it is, and so does
// the other side when ours has not changed.
#include "core/Clock.h"
#include "core/DatabaseDocument.h"
#include "core/DatabaseMerge.h"
#include "core/NodeEquality.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

constexpr std::string_view kSuffix = " (other copy)";

// The next document of the input, up to a zero byte or the end.
std::string_view NextDocument(std::string_view& input) {
    const std::size_t end = input.find('\0');
    const std::string_view document = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    return document;
}

std::unique_ptr<vaultlet::Database> Parsed(std::string_view text) {
    auto database = std::make_unique<vaultlet::Database>();
    return vaultlet::DatabaseDocument::Parse(text, *database) ? std::move(database) : nullptr;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vaultlet::DatabaseMerge;
    using vaultlet::NodeEquality;
    vaultlet::Clock::SetFixed(1700000000);
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto base = Parsed(NextDocument(input));
    const auto ours = Parsed(NextDocument(input));
    const auto theirs = Parsed(NextDocument(input));
    if (!ours || !theirs) {
        return 0;
    }
    const vaultlet::MergeResult result = DatabaseMerge::Merge(base.get(), *ours, *theirs, kSuffix);
    vaultlet::SecureString printed;
    Require(vaultlet::DatabaseDocument::Print(*result.merged, printed));
    Require(NodeEquality::Same(*ours, *DatabaseMerge::Merge(base.get(), *ours, *ours, kSuffix).merged));
    if (base) {
        const auto unchanged = DatabaseMerge::Merge(base.get(), *base, *theirs, kSuffix).merged;
        // The database's name is always ours.
        unchanged->SetName(theirs->Name().Viewed());
        Require(NodeEquality::Same(*theirs, *unchanged));
    }
    return 0;
}

// Compiles an arbitrary window template and matches it against an arbitrary description.
// Input layout: one flag byte (bit 0: case-sensitive), the pattern, a zero byte, the input text.
#include "autofill/TemplateRegex.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Every reported span lies inside the input, and every group inside the whole match.
void CheckSpans(const vaultlet::TemplateMatch& match, std::size_t inputSize) {
    const vaultlet::TemplateSpan whole = match.Whole();
    Check(whole.start >= 0 && whole.start <= whole.end && static_cast<std::size_t>(whole.end) <= inputSize);
    for (int i = 0; i < match.GroupCount(); ++i) {
        const vaultlet::TemplateSpan group = match.Group(i);
        if (group.start >= 0) {
            Check(group.start >= whole.start && group.end <= whole.end && group.start <= group.end);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool caseSensitive = (data[0] & 1) != 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t separator = rest.find('\0');
    const std::string_view pattern = rest.substr(0, separator);
    const std::string_view input =
        separator == std::string_view::npos ? std::string_view() : rest.substr(separator + 1);

    vaultlet::TemplateRegex regex;
    const int error = regex.Compile(pattern, caseSensitive);
    Check(error >= 0 && error <= 10);
    Check((error == 0) == regex.IsCompiled());
    // Keeps each run short; the budget itself is part of what is exercised.
    regex.SetStepBudget(200000);
    vaultlet::TemplateMatch match;
    if (regex.Match(input, match)) {
        Check(error == 0);
        CheckSpans(match, input.size());
    }
    return 0;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace vaultlet {

// One option of a command, written "--name" (a flag) or "--name VALUE" / "--name=VALUE".
struct OptionSpec {
    std::string_view name; // without the leading "--"
    bool takesValue = false;
};

// The arguments of one command: its positional arguments in order and the options given. The texts
// are views into the process's arguments, so nothing is copied (a value may be a secret).
class ParsedArguments {
public:
    // Options may stand anywhere between the positional arguments; "--" ends the options and "-"
    // alone is a positional argument. Throws a usage error (CliFailure) for an unknown option, an
    // option given twice, a missing value, or a value given to a flag.
    static ParsedArguments Parse(std::span<const std::string_view> arguments, std::span<const OptionSpec> options);

    std::size_t PositionalCount() const noexcept { return m_positionals.size(); }
    std::string_view Positional(std::size_t index) const noexcept { return m_positionals[index]; }
    bool Has(std::string_view option) const noexcept;
    // The option's value, or nothing when the option was not given.
    std::optional<std::string_view> Value(std::string_view option) const noexcept;

    // The option's value as a whole decimal number from min to max; the fallback when the option was
    // not given. Throws a usage error for anything else.
    std::uint32_t Number(std::string_view option, std::uint32_t fallback, std::uint32_t min, std::uint32_t max) const;

private:
    void AddOption(std::span<const OptionSpec> options, std::string_view argument, std::string_view next,
                   bool& usedNext);

    std::vector<std::string_view> m_positionals;
    std::vector<std::pair<std::string_view, std::string_view>> m_options;
};

} // namespace vaultlet

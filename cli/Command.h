#pragma once

#include "cli/ParsedArguments.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace vaultlet {

struct CommandContext;

// What the command line of a command looks like: its name, the rest of its line for the help text,
// how many positional arguments it takes and which options.
struct CommandSyntax {
    std::string_view name;
    std::string_view arguments;
    std::size_t minPositionals = 0;
    std::size_t maxPositionals = 0;
    std::span<const OptionSpec> options;
};

// One command of vaultlet-cli. Run gets arguments already checked against the syntax; it reports a
// failure by throwing CliFailure and success by returning.
class Command {
public:
    virtual ~Command() = default;

    virtual const CommandSyntax& Syntax() const noexcept = 0;
    virtual void Run(const ParsedArguments& arguments, CommandContext& context) = 0;
};

} // namespace vaultlet

#include "cli/ParsedArguments.h"

#include "cli/CliFailure.h"

#include <algorithm>
#include <string>

namespace vaultlet {
namespace {

const OptionSpec* FindOption(std::span<const OptionSpec> options, std::string_view name) {
    const auto found =
        std::find_if(options.begin(), options.end(), [name](const OptionSpec& option) { return option.name == name; });
    return found == options.end() ? nullptr : &*found;
}

bool IsOption(std::string_view argument) {
    return argument.size() > 2 && argument.starts_with("--");
}

} // namespace

ParsedArguments ParsedArguments::Parse(std::span<const std::string_view> arguments,
                                       std::span<const OptionSpec> options) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !argument.starts_with("-") || argument == "-") {
            parsed.m_positionals.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (IsOption(argument)) {
            bool usedNext = false;
            parsed.AddOption(options, argument, i + 1 < arguments.size() ? arguments[i + 1] : std::string_view(),
                             usedNext);
            if (usedNext) {
                if (i + 1 >= arguments.size()) {
                    throw UsageError("option " + std::string(argument) + " needs a value");
                }
                ++i;
            }
        } else {
            throw UsageError("unknown option " + std::string(argument));
        }
    }
    return parsed;
}

void ParsedArguments::AddOption(std::span<const OptionSpec> options, std::string_view argument, std::string_view next,
                                bool& usedNext) {
    std::string_view name = argument.substr(2);
    std::optional<std::string_view> inlineValue;
    if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
        inlineValue = name.substr(equals + 1);
        name = name.substr(0, equals);
    }
    const OptionSpec* option = FindOption(options, name);
    if (option == nullptr) {
        throw UsageError("unknown option --" + std::string(name));
    }
    if (Has(name)) {
        throw UsageError("option --" + std::string(name) + " given twice");
    }
    if (!option->takesValue && inlineValue) {
        throw UsageError("option --" + std::string(name) + " takes no value");
    }
    std::string_view value;
    if (option->takesValue) {
        usedNext = !inlineValue;
        value = inlineValue ? *inlineValue : next;
    }
    m_options.emplace_back(option->name, value);
}

bool ParsedArguments::Has(std::string_view option) const noexcept {
    return Value(option).has_value();
}

std::optional<std::string_view> ParsedArguments::Value(std::string_view option) const noexcept {
    for (const auto& [name, value] : m_options) {
        if (name == option) {
            return value;
        }
    }
    return std::nullopt;
}

std::uint32_t ParsedArguments::Number(std::string_view option, std::uint32_t fallback, std::uint32_t min,
                                      std::uint32_t max) const {
    const std::optional<std::string_view> text = Value(option);
    if (!text) {
        return fallback;
    }
    std::uint64_t number = 0;
    bool valid = !text->empty() && text->size() <= 10;
    for (const char c : *text) {
        valid = valid && c >= '0' && c <= '9';
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (!valid || number < min || number > max) {
        throw UsageError("--" + std::string(option) + " must be a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max));
    }
    return static_cast<std::uint32_t>(number);
}

} // namespace vaultlet

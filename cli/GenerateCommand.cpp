#include "cli/GenerateCommand.h"

#include "autofill/PasswordGeneratorRules.h"
#include "autofill/PhoneticSpelling.h"
#include "autofill/SystemGeneratorDraws.h"
#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/OutputText.h"

#include <optional>
#include <string>

namespace vaultlet {
namespace {

constexpr OptionSpec kOptions[] = {{"length", true},         {"type", true},           {"case", true},
                                   {"allow-similar", false}, {"allow-repeats", false}, {"phonetic", false},
                                   {"count", true}};
constexpr CommandSyntax kSyntax{"generate",
                                "[--length N] [--type numbers|hex|letters|mixed|symbols] [--case lower|upper|mixed] "
                                "[--allow-similar] [--allow-repeats] [--phonetic] [--count N]",
                                0, 0, kOptions};

constexpr std::uint32_t kDefaultLength = 10;
constexpr std::uint32_t kMaxLength = 4096;
constexpr std::uint32_t kMaxCount = 10000;

template <typename Choice, std::size_t N>
Choice Pick(const ParsedArguments& arguments, std::string_view option, const std::string_view (&names)[N],
            Choice fallback) {
    const std::optional<std::string_view> given = arguments.Value(option);
    if (!given) {
        return fallback;
    }
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == *given) {
            return static_cast<Choice>(i);
        }
        list += (i == 0 ? "" : ", ") + std::string(names[i]);
    }
    throw UsageError("--" + std::string(option) + " takes " + list + ", not \"" + OneLine(*given) + "\"");
}

// Indexed by PasswordClass and LetterCase.
constexpr std::string_view kClassNames[] = {"numbers", "hex", "letters", "mixed", "symbols"};
constexpr std::string_view kCaseNames[] = {"lower", "upper", "mixed"};

PasswordOptions OptionsOf(const ParsedArguments& arguments) {
    PasswordOptions options;
    options.passwordClass = Pick(arguments, "type", kClassNames, PasswordClass::LettersAndNumbers);
    options.letterCase = Pick(arguments, "case", kCaseNames, LetterCase::Mixed);
    options.excludeSimilar = !arguments.Has("allow-similar");
    options.excludeDuplicate = !arguments.Has("allow-repeats");
    return options;
}

} // namespace

const CommandSyntax& GenerateCommand::Syntax() const noexcept {
    return kSyntax;
}

void GenerateCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const PasswordOptions options = OptionsOf(arguments);
    const auto length = static_cast<int>(arguments.Number("length", kDefaultLength, 1, kMaxLength));
    const std::uint32_t count = arguments.Number("count", 1, 1, kMaxCount);
    const bool phonetic = arguments.Has("phonetic");
    SystemGeneratorDraws draws;
    PasswordGeneratorRules rules(options, draws);
    for (std::uint32_t i = 0; i < count; ++i) {
        SecureString line;
        if (!rules.GeneratePassword(length, line)) {
            throw CliFailure(ExitStatus::Internal, "the system's random source failed");
        }
        if (phonetic) {
            const SecureString spelling = SpellPhonetically(line.Viewed());
            line += '\t';
            line += spelling.Viewed();
        }
        line += '\n';
        context.out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
}

} // namespace vaultlet

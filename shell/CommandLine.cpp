#include "shell/CommandLine.h"

namespace vaultlet {
namespace {

constexpr std::string_view kWhitespace = " \t\r\n";
constexpr std::string_view kSettingsOption = "-c";
constexpr std::string_view kCrashReportOption = "/crash_report";

bool IsWhitespace(char c) {
    return kWhitespace.find(c) != std::string_view::npos;
}

// One token with the place of its raw text in the command line.
struct Token {
    std::string text;
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::vector<Token> Split(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t pos = 0;
    for (;;) {
        while (pos < text.size() && IsWhitespace(text[pos])) {
            ++pos;
        }
        if (pos == text.size()) {
            return tokens;
        }
        Token token;
        token.begin = pos;
        if (text[pos] == '"') {
            // The closing quote is the first one that whitespace or the end follows.
            std::size_t close = pos + 1;
            while (close < text.size() &&
                   !(text[close] == '"' && (close + 1 == text.size() || IsWhitespace(text[close + 1])))) {
                ++close;
            }
            token.text = std::string(text.substr(pos + 1, close - pos - 1));
            token.end = close < text.size() ? close + 1 : close;
        } else {
            std::size_t end = pos;
            while (end < text.size() && !IsWhitespace(text[end])) {
                ++end;
            }
            token.text = std::string(text.substr(pos, end - pos));
            token.end = end;
        }
        pos = token.end;
        tokens.push_back(std::move(token));
    }
}

} // namespace

CommandLine::CommandLine(std::string_view wholeCommandLine) {
    const std::vector<Token> tokens = Split(wholeCommandLine);
    for (const Token& token : tokens) {
        m_tokens.push_back(token.text);
    }
    if (tokens.empty()) {
        return;
    }

    // The argument text is what follows the program, with the "-c" pairs cut out of it.
    std::string arguments;
    std::size_t copiedUpTo = tokens[0].end;
    bool settingsTaken = false;
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        if (tokens[i].text != kSettingsOption || i + 1 == tokens.size()) {
            continue;
        }
        if (!settingsTaken) {
            m_settingsPath = Trim(tokens[i + 1].text);
            settingsTaken = true;
        }
        arguments.append(wholeCommandLine.substr(copiedUpTo, tokens[i].begin - copiedUpTo));
        copiedUpTo = tokens[i + 1].end;
        ++i;
    }
    arguments.append(wholeCommandLine.substr(copiedUpTo));
    m_argumentText = Trim(arguments);
}

bool CommandLine::IsCrashReport() const {
    return m_tokens.size() == 3 && m_tokens[1] == kCrashReportOption;
}

std::string CommandLine::CrashReportFile() const {
    return IsCrashReport() ? m_tokens[2] : std::string();
}

bool CommandLine::LooksLikeDrivePath(std::string_view text) {
    return text.size() > 3 && (text[1] == ':' || (text[0] == '"' && text[2] == ':'));
}

std::string CommandLine::RemoveQuotes(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c != '"') {
            result += c;
        }
    }
    return result;
}

std::string CommandLine::Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kWhitespace);
    return std::string(text.substr(first, last - first + 1));
}

} // namespace vaultlet

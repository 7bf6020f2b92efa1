#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vaultlet {

// The process command line, read the two ways start-up needs it: split into tokens, and as the raw
// argument text after the program name. The "-c" option and its value are taken out of the argument
// text, so that a portable copy started as `Vaultlet.exe -c "D:\cfg\Vaultlet.ini" "D:\db\home.kvtdat"`
// hands over the database path and nothing else.
class CommandLine {
public:
    explicit CommandLine(std::string_view wholeCommandLine);

    // Whitespace separates tokens; a token that begins with a double quote runs to the next double
    // quote followed by whitespace or the end, without those two quotes. Token 0 is the program.
    const std::vector<std::string>& Tokens() const noexcept { return m_tokens; }

    // "/crash_report" FILE: exactly three tokens with the second one exactly "/crash_report".
    bool IsCrashReport() const;
    std::string CrashReportFile() const;

    // The token after the first "-c" that has one, trimmed; empty when there is none.
    const std::string& SettingsPath() const noexcept { return m_settingsPath; }

    // The raw text after the program name without every "-c" and its value, trimmed at both ends.
    // Quotes stay as they were typed.
    const std::string& ArgumentText() const noexcept { return m_argumentText; }

    // Longer than three characters, with ":" second, or a double quote first and ":" third.
    static bool LooksLikeDrivePath(std::string_view text);
    static std::string RemoveQuotes(std::string_view text);
    static std::string Trim(std::string_view text);

private:
    std::vector<std::string> m_tokens;
    std::string m_settingsPath;
    std::string m_argumentText;
};

} // namespace vaultlet

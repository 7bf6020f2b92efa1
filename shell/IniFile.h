#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vaultlet {

// The portable settings file: sections of key=value lines, UTF-8 on disk and ANSI in memory.
// Every write rewrites the whole file, sorted byte-wise by section and key, so a second process
// reading the same file sees a complete image. Values are escaped so that line breaks, "=", the
// brackets and the backslash survive a round trip; keys are written as they are.
class IniFile {
public:
    enum class LoadResult {
        Loaded,    // the file was read
        Missing,   // there is no such file: an empty image, which may be written
        Unreadable // the file exists but cannot be read: an empty image that must not be written back
    };

    using Section = std::map<std::string, std::string>;

    LoadResult Load(const std::string& path);
    void Parse(std::string_view ansiText);
    // Writes the whole image to path (through a temporary file beside it, so a failed write never
    // leaves half a file behind). False when the file cannot be written.
    bool Save(const std::string& path) const;
    std::string Format() const;

    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    void Set(const std::string& section, const std::string& key, std::string value);
    // The values of a list section in the file's key order ("0", "1", "10", "11", "2", ...).
    std::vector<std::string> List(const std::string& section) const;
    void ReplaceList(const std::string& section, const std::vector<std::string>& values);
    const std::map<std::string, Section>& Sections() const { return m_sections; }

    static std::string EscapeValue(std::string_view value);
    static std::string UnescapeValue(std::string_view value);

private:
    std::map<std::string, Section> m_sections;
};

} // namespace vaultlet

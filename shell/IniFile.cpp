#include "shell/IniFile.h"

#include "core/TextConversion.h"
#include "shell/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace vaultlet {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineEnd = "\r\n";

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string_view SectionName(std::string_view line) {
    const auto first = line.find_first_not_of("[]");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = line.find_last_not_of("[]");
    return line.substr(first, last - first + 1);
}

struct Escape {
    char character;
    std::string_view text;
};

// The backslash comes first so that a value is never read as a longer escape than it was written.
constexpr Escape kEscapes[] = {
    {'\\', "\\5c"}, {'\r', "\\r"}, {'\n', "\\n"}, {'=', "\\3d"}, {'[', "\\5b"}, {']', "\\5d"},
};

} // namespace

IniFile::LoadResult IniFile::Load(const std::string& path) {
    m_sections.clear();
    errno = 0;
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Unreadable;
    }
    std::string bytes;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, got);
    }
    if (std::ferror(file.get())) {
        return LoadResult::Unreadable;
    }
    Parse(Utf8ToAnsi(bytes).Viewed());
    return LoadResult::Loaded;
}

void IniFile::Parse(std::string_view text) {
    m_sections.clear();
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find_first_of(kLineEnd, start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const auto line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            section = SectionName(line);
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0 || section.empty()) {
            continue;
        }
        const auto key = Trim(line.substr(0, equals));
        m_sections[section][std::string(key)] = UnescapeValue(line.substr(equals + 1));
    }
}

std::string IniFile::Format() const {
    std::string text;
    for (const auto& [name, values] : m_sections) {
        text.append(kLineEnd).append("[").append(name).append("]").append(kLineEnd);
        for (const auto& [key, value] : values) {
            text.append(key).append("=").append(EscapeValue(value)).append(kLineEnd);
        }
    }
    return text;
}

bool IniFile::Save(const std::string& path) const {
    const SecureString utf8 = AnsiToUtf8(Format());
    const std::string temporary = path + ".new";
    {
        File file(std::fopen(temporary.c_str(), "wb"));
        if (!file) {
            return false;
        }
        const bool written = std::fwrite(utf8.data(), 1, utf8.size(), file.get()) == utf8.size();
        if (std::fclose(file.release()) != 0 || !written) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (!ReplaceFileWith(temporary, path)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> IniFile::Get(const std::string& section, const std::string& key) const {
    const auto found = m_sections.find(section);
    if (found == m_sections.end()) {
        return std::nullopt;
    }
    const auto value = found->second.find(key);
    if (value == found->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

void IniFile::Set(const std::string& section, const std::string& key, std::string value) {
    if (section.empty() || key.empty()) {
        return;
    }
    m_sections[section][key] = std::move(value);
}

std::vector<std::string> IniFile::List(const std::string& section) const {
    std::vector<std::string> values;
    const auto found = m_sections.find(section);
    if (found != m_sections.end()) {
        for (const auto& entry : found->second) {
            values.push_back(entry.second);
        }
    }
    return values;
}

void IniFile::ReplaceList(const std::string& section, const std::vector<std::string>& values) {
    m_sections.erase(section);
    for (std::size_t i = 0; i < values.size(); ++i) {
        Set(section, std::to_string(i), values[i]);
    }
}

std::string IniFile::EscapeValue(std::string_view value) {
    std::string escaped;
    escaped.reserve(value.size());
    for (const char c : value) {
        std::string_view replacement;
        for (const auto& escape : kEscapes) {
            if (escape.character == c) {
                replacement = escape.text;
                break;
            }
        }
        if (replacement.empty()) {
            escaped.push_back(c);
        } else {
            escaped.append(replacement);
        }
    }
    return escaped;
}

std::string IniFile::UnescapeValue(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    std::size_t pos = 0;
    while (pos < value.size()) {
        bool matched = false;
        if (value[pos] == '\\') {
            for (const auto& escape : kEscapes) {
                if (value.substr(pos, escape.text.size()) == escape.text) {
                    text.push_back(escape.character);
                    pos += escape.text.size();
                    matched = true;
                    break;
                }
            }
        }
        if (!matched) {
            // A backslash that starts no known escape stands for itself, as older files wrote it.
            text.push_back(value[pos++]);
        }
    }
    return text;
}

} // namespace vaultlet

#pragma once

#include <array>

namespace vaultlet {

// Lower-casing of the program's narrow text one byte at a time, for comparisons that ignore case.
// ASCII letters fold everywhere. On Windows with a single-byte ANSI code page the code page's own
// letters fold too (accented Latin, Cyrillic, Greek), as the system lower-cases them. In multi-byte
// text (UTF-8, which is the narrow text outside Windows, or a double-byte code page) the bytes above
// ASCII stay as they are: such letters then match with their exact case only, and a byte-wise
// comparison never confuses a character with part of another.
class CaseFolding {
public:
    // ASCII letters only.
    CaseFolding() noexcept;

    // The folding of the system's ANSI code page, made at first use.
    static const CaseFolding& Ansi();

    char Fold(char c) const noexcept { return static_cast<char>(m_lower[static_cast<unsigned char>(c)]); }
    // What a byte turns into; the platform's code page sets its letters above ASCII with it.
    void SetLower(unsigned char byte, unsigned char lower) noexcept { m_lower[byte] = lower; }

private:
    std::array<unsigned char, 256> m_lower{};
};

} // namespace vaultlet

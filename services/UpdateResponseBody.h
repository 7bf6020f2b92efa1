#pragma once

#include <cstddef>
#include <string>

namespace vaultlet {

// The text of an update response as it is read in pieces. A piece is text: it ends at its first zero
// byte. An answer that grows to the limit is not an update service's answer, and the read stops.
class UpdateResponseBody {
public:
    // The largest piece read at a time.
    static constexpr std::size_t kPieceSize = 49;
    // A body of this many characters or more is refused.
    static constexpr std::size_t kLimit = 102400;

    // Appends the piece up to its first zero byte; false once the text has reached the limit.
    bool Append(const char* piece, std::size_t size);
    bool IsOverLimit() const noexcept { return m_text.size() >= kLimit; }
    const std::string& Text() const noexcept { return m_text; }

private:
    std::string m_text;
};

} // namespace vaultlet

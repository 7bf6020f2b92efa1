#include "core/Ascii85Codec.h"

namespace vaultlet {
namespace {

constexpr std::size_t kLineWidth = 72;
constexpr std::uint32_t kPowers[5] = {85u * 85 * 85 * 85, 85u * 85 * 85, 85u * 85, 85u, 1u};
constexpr std::uint64_t kMaxGroup = 0xFFFFFFFFu;

char Substitute(char c) {
    switch (c) {
    case '<':
        return 'x';
    case '>':
        return 'y';
    case '[':
        return 'v';
    case ']':
        return 'w';
    default:
        return c;
    }
}

char Restore(char c) {
    switch (c) {
    case 'x':
        return '<';
    case 'y':
        return '>';
    case 'v':
        return '[';
    case 'w':
        return ']';
    default:
        return c;
    }
}

class Writer {
public:
    explicit Writer(SecureString& out) : m_out(out) {}

    void Put(char c) {
        m_out.push_back(Substitute(c));
        if (m_column >= kLineWidth) {
            m_column = 0;
            m_out.push_back('\n');
        } else {
            ++m_column;
        }
    }

    void Finish() {
        if (m_column + 2 > kLineWidth) {
            m_out.push_back('\n');
        }
        m_out.append("~>");
    }

private:
    SecureString& m_out;
    std::size_t m_column = 2; // counts the leading "<~"
};

void PutGroup(Writer& writer, std::uint32_t number, int digits) {
    char encoded[5];
    for (int i = 4; i >= 0; --i) {
        encoded[i] = static_cast<char>(number % 85 + 33);
        number /= 85;
    }
    for (int i = 0; i < digits; ++i) {
        writer.Put(encoded[i]);
    }
}

bool IsSkipped(unsigned char c) {
    return c == 0 || c == 8 || c == 9 || c == 10 || c == 12 || c == 13 || c == 32 || c == 127;
}

void PutBigEndian(SecureBytes& bytes, std::uint32_t number, int count) {
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(number >> (24 - 8 * i)));
    }
}

// Five digits can stand for numbers up to 85^5 - 1, above what four bytes hold; such a group is
// damage, not data, and must not wrap into other bytes.
bool PutNumber(SecureBytes& bytes, std::uint64_t number, int count) {
    if (number > kMaxGroup) {
        return false;
    }
    PutBigEndian(bytes, static_cast<std::uint32_t>(number), count);
    return true;
}

// Decodes the text between the delimiters; false at the first damage.
bool DecodeGroups(std::string_view groups, SecureBytes& bytes) {
    std::uint64_t number = 0;
    int count = 0;
    for (const char raw : groups) {
        const auto c = static_cast<unsigned char>(Restore(raw));
        if (IsSkipped(c)) {
            continue;
        }
        if (c == 'z' && count == 0) {
            PutBigEndian(bytes, 0, 4);
        } else if (c >= '!' && c <= 'u') {
            number += (c - 33u) * std::uint64_t{kPowers[count]};
            if (++count == 5) {
                if (!PutNumber(bytes, number, 4)) {
                    return false;
                }
                number = 0;
                count = 0;
            }
        } else {
            return false;
        }
    }
    return count == 0 || PutNumber(bytes, number + kPowers[count - 1], count - 1);
}

} // namespace

SecureString Ascii85Codec::Encode(const std::uint8_t* data, std::size_t size) {
    SecureString out;
    out.reserve(size * 5 / 4 + size / kLineWidth + 8);
    out.append("<~");
    Writer writer(out);
    std::size_t pos = 0;
    for (; pos + 4 <= size; pos += 4) {
        const std::uint32_t number = (std::uint32_t{data[pos]} << 24) | (std::uint32_t{data[pos + 1]} << 16) |
                                     (std::uint32_t{data[pos + 2]} << 8) | data[pos + 3];
        if (number == 0) {
            writer.Put('z');
        } else {
            PutGroup(writer, number, 5);
        }
    }
    const std::size_t rest = size - pos;
    if (rest > 0) {
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < rest; ++i) {
            number |= std::uint32_t{data[pos + i]} << (24 - 8 * i);
        }
        PutGroup(writer, number, static_cast<int>(rest) + 1);
    }
    writer.Finish();
    return out;
}

bool Ascii85Codec::Decode(std::string_view text, SecureBytes& bytes) {
    const std::size_t start = text.find("<~");
    const std::size_t end = text.find("~>");
    if (start == std::string_view::npos || end == std::string_view::npos || end <= start + 2) {
        return false;
    }
    SecureBytes decoded;
    if (!DecodeGroups(text.substr(start + 2, end - start - 2), decoded)) {
        return false;
    }
    bytes.append(decoded.data(), decoded.size());
    return true;
}

} // namespace vaultlet

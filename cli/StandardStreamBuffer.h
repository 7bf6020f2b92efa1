#pragma once

#include "cli/StandardStreams.h"
#include "core/SecureBytes.h"

#include <streambuf>

namespace vaultlet {

// A stream buffer over one standard stream whose own buffer is wiped after every refill and every
// flush, so passwords read from standard input and values written to standard output do not linger
// in memory. Input streams read, output streams write; output is flushed on sync and destruction.
class StandardStreamBuffer : public std::streambuf {
public:
    explicit StandardStreamBuffer(StandardStream stream);
    ~StandardStreamBuffer() override;
    StandardStreamBuffer(const StandardStreamBuffer&) = delete;
    StandardStreamBuffer& operator=(const StandardStreamBuffer&) = delete;

protected:
    int_type underflow() override;
    int_type overflow(int_type c) override;
    int sync() override;

private:
    static constexpr std::size_t kSize = 4096;

    bool Flush();

    StandardStream m_stream;
    SecureArray<kSize> m_buffer;
    bool m_healthy = true;
};

} // namespace vaultlet

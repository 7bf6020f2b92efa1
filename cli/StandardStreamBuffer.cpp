#include "cli/StandardStreamBuffer.h"

namespace vaultlet {

StandardStreamBuffer::StandardStreamBuffer(StandardStream stream) : m_stream(stream) {
    char* begin = reinterpret_cast<char*>(m_buffer.data());
    if (m_stream == StandardStream::Input) {
        setg(begin, begin, begin);
    } else {
        setp(begin, begin + kSize);
    }
}

StandardStreamBuffer::~StandardStreamBuffer() {
    if (m_stream != StandardStream::Input) {
        Flush();
    }
}

StandardStreamBuffer::int_type StandardStreamBuffer::underflow() {
    if (m_stream != StandardStream::Input) {
        return traits_type::eof();
    }
    m_buffer.Wipe();
    char* begin = reinterpret_cast<char*>(m_buffer.data());
    const std::size_t got = ReadStandardInput(begin, kSize);
    setg(begin, begin, begin + got);
    return got == 0 ? traits_type::eof() : traits_type::to_int_type(*begin);
}

StandardStreamBuffer::int_type StandardStreamBuffer::overflow(int_type c) {
    if (m_stream == StandardStream::Input || !Flush()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int StandardStreamBuffer::sync() {
    return m_stream == StandardStream::Input || Flush() ? 0 : -1;
}

bool StandardStreamBuffer::Flush() {
    char* begin = reinterpret_cast<char*>(m_buffer.data());
    const auto size = static_cast<std::size_t>(pptr() - begin);
    if (size > 0 && m_healthy) {
        m_healthy = WriteStandardStream(m_stream, begin, size);
    }
    m_buffer.Wipe();
    setp(begin, begin + kSize);
    return m_healthy;
}

} // namespace vaultlet

#include "cli/StandardStreams.h"

#include <cerrno>
#include <unistd.h>

namespace vaultlet {

std::size_t ReadStandardInput(void* data, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, data, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return got > 0 ? static_cast<std::size_t>(got) : 0;
    }
}

bool WriteStandardStream(StandardStream stream, const void* data, std::size_t size) {
    const int fd = stream == StandardStream::Error ? STDERR_FILENO : STDOUT_FILENO;
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace vaultlet

#pragma once

#include <cstddef>

namespace vaultlet {

// The process's standard input, output and error as raw bytes, past the C library's buffers (which
// would keep copies of passwords and revealed values that nobody wipes). Bytes pass unchanged: no
// line-end translation on Windows, where output to a console window is shown through the console's
// wide-character interface. One implementation per platform.
enum class StandardStream { Input, Output, Error };

// Reads up to `size` bytes from standard input; 0 at its end or on an error.
std::size_t ReadStandardInput(void* data, std::size_t size);
// Writes every byte; false on an error.
bool WriteStandardStream(StandardStream stream, const void* data, std::size_t size);

} // namespace vaultlet

#pragma once

#include <cstddef>
#include <string_view>

namespace vaultlet {

// Whether an address from the update service may be handed to the shell's "open". The answer
// travels over plain HTTP, so anyone on the way can write it: only a web address is opened, never
// a program, a file or a share, and nothing that could end or extend the browser's command line.
namespace download_address {

inline constexpr std::size_t kMaxLength = 2048;

// True for "http://" or "https://" (in any case) followed by a host, made only of the characters a
// URL may hold (no control characters, blanks, quotes or backslashes), and at most kMaxLength long.
bool IsAcceptable(std::string_view address);

} // namespace download_address
} // namespace vaultlet

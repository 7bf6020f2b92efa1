#pragma once

#include "core/SecureString.h"

#include <windows.h>

#include <string_view>

namespace vaultlet::secret_text {

// The text of a window that may show a secret (a password box, a value, a note). An edit control
// keeps its text in a buffer of its own, which it shortens, grows and frees without wiping; the
// program's own copies go through buffers that wipe themselves.

// The window's text, read without an unwiped buffer on the way.
SecureString Of(HWND window);
// Sets the window's text from a copy that is wiped afterwards.
void Set(HWND window, std::string_view text);
// Overwrites the text in the control's buffer, at the same length so it is rewritten in place, then
// empties it.
void Clear(HWND window);
// Clear, then Set: the text shown before does not stay behind in the control's buffer.
void Replace(HWND window, std::string_view text);

} // namespace vaultlet::secret_text

#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace vaultlet::test {

// The clipboard as another program sees it; owner is the window each call opens it for.

// Replaces the clipboard's content with plain CF_TEXT, as any other program would copy.
bool PutClipboardText(HWND owner, std::string_view text);

// The CF_TEXT on the clipboard; nothing when it holds none, "<busy>" when it cannot be opened.
std::optional<std::string> ClipboardText(HWND owner);

// What keeps the clipboard's content out of clipboard history, cloud clipboard and monitors:
// empty when every marker is there with the value Windows reads, else one line per fault.
std::string SecretMarkerFaults(HWND owner);

} // namespace vaultlet::test

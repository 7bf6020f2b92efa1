#pragma once

namespace vaultlet {

// A window of the windowing system as portable code sees it: an opaque handle (an HWND on
// Windows), null for "no window".
using WindowHandle = void*;

} // namespace vaultlet

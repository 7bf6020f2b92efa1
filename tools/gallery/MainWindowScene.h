#pragma once

#include "tools/gallery/Gallery.h"

#include <windows.h>

#include <functional>

namespace vaultlet::gallery {

// Runs the main window over a small sample database "Home.kvtdat" (password "sample") in the
// scene's folder; `step` runs with the window once it is up.
void RunMainWindow(Scene& scene, std::function<void(HWND)> step);
// Selects the first passcard of the Internet group, so the list shows its items and the note its comment.
void SelectBookshop(HWND frame);

} // namespace vaultlet::gallery

#pragma once

#include "tools/gallery/Gallery.h"

#include <string>
#include <vector>

namespace vaultlet::gallery {

// A dialog built with known layout faults, which the layout check must find at every resolution
// before its verdict on the gallery's scenes counts: a check that finds nothing here is blind. Among
// them a button sized in pixels that fits its text at 96 DPI only, as an unscaled size in the
// program's code would. Not a scene of the gallery: it never shows in a picture.
const Entry& PlantedFaultsScene();

// How each fault line the check must report for it at that resolution begins.
std::vector<std::string> PlantedFaults(int dpi);

} // namespace vaultlet::gallery

// The password generator, as it opens with the default options.
#include "tools/gallery/Gallery.h"

#include "shell/win32/editing/PasswordGeneratorDialog.h"

namespace vaultlet::gallery {
namespace {

const Registration kPasswordGenerator("password-generator", [](Scene&) {
    PasswordGeneratorDialog dialog;
    dialog.RunModal(nullptr);
});

} // namespace
} // namespace vaultlet::gallery

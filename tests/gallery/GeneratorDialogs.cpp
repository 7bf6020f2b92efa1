// The password generator, as it opens with the default options.
#include "tests/gallery/Gallery.h"

#include "shell/win32/PasswordGeneratorDialog.h"

namespace vaultlet::gallery {
namespace {

const Registration kPasswordGenerator("password-generator", [](Scene&) {
    PasswordGeneratorDialog dialog;
    dialog.RunModal(nullptr);
});

} // namespace
} // namespace vaultlet::gallery

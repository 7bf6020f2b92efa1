// The install on removable media, offering a labelled drive and one without a label.
#include "tools/gallery/Gallery.h"

#include "core/NewDatabase.h"
#include "shell/win32/options/InstallOnRemovableDialog.h"

namespace vaultlet::gallery {
namespace {

const Registration kInstallRemovable("install-removable", [](Scene& scene) {
    const auto database = NewDatabase::Create(scene.File("Home.kvtdat"), "Home", "sample", 1);
    InstallOnRemovableDialog dialog(database.get(), {{"E:\\", "MYUSB (E:)"}, {"F:\\", "Removable disk (F:)"}});
    dialog.RunModal(nullptr);
});

} // namespace
} // namespace vaultlet::gallery

// The dialogs that change an open database: its master password and its cipher.
#include "tools/gallery/Gallery.h"

#include "core/NewDatabase.h"
#include "shell/win32/options/ChangeMasterPasswordDialog.h"
#include "shell/win32/options/DatabaseSettingsDialog.h"

namespace vaultlet::gallery {
namespace {

// Twofish, so the picture shows that the list opens on the database's own cipher, not the first.
constexpr int kTwofishId = 2;

const Registration kChangeMasterPassword("change-master-password", [](Scene& scene) {
    const auto database = NewDatabase::Create(scene.File("Home.kvtdat"), "Home", "sample", kTwofishId);
    ChangeMasterPasswordDialog dialog(*database);
    dialog.RunModal(nullptr);
});

const Registration kDatabaseSettings("database-settings", [](Scene& scene) {
    const auto database = NewDatabase::Create(scene.File("Home.kvtdat"), "Home", "sample", kTwofishId);
    DatabaseSettingsDialog dialog(*database);
    dialog.RunModal(nullptr);
});

} // namespace
} // namespace vaultlet::gallery

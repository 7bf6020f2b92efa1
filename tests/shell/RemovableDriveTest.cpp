// Which drives the install offers.
#include "shell/RemovableDrive.h"

#include "tests/shell/FakeInstallSystem.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

using Drive = test::FakeInstallSystem::Drive;

TEST(RemovableDriveTest, OffersTheWritableRemovableDrivesFromBToZInLetterOrder) {
    test::FakeInstallSystem system;
    system.drives = {
        Drive{'Z', true, true, "LAST"},    Drive{'A', true, true, "FLOPPY"},       Drive{'C', false, true, "SYSTEM"},
        Drive{'E', true, true, "MYUSB"},   Drive{'F', true, true, "LOCKED", true}, Drive{'G', true, true, ""},
        Drive{'H', true, false, "UNREAD"}, Drive{'B', true, true, "BEE"},
    };
    std::vector<std::string> roots;
    for (const RemovableDrive& drive : ListRemovableDrives(system, "Removable disk")) {
        roots.push_back(drive.root);
    }
    // A: never, C: is fixed, F: write-protected; G: has no label and H: no readable volume.
    EXPECT_EQ(roots, (std::vector<std::string>{"B:\\", "E:\\", "G:\\", "H:\\", "Z:\\"}));
}

} // namespace
} // namespace vaultlet

// The export's file on POSIX systems: a write that stops part-way leaves no half file behind.
#include "exchange/ExportFile.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace vaultlet {
namespace {

// A process whose files may not grow past 16 bytes fails the write the way a full disk does; it
// runs in a child process, so the limit stays there.
void ExportUnderAFileSizeLimit(const std::string& file) {
    std::signal(SIGXFSZ, SIG_IGN); // the failed write returns an error instead of ending the process
    const rlimit limit{16, 16};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        std::_Exit(2);
    }
    const bool written = WriteExportFile(file, std::string(4096, 'x'));
    std::_Exit(!written && !std::filesystem::exists(file) ? 0 : 1);
}

TEST(ExportFileDeathTest, AWriteThatStopsPartWayLeavesNoFile) {
    test::TempDir dir;
    const std::string file = dir.File("export.html");
    EXPECT_EXIT(ExportUnderAFileSizeLimit(file), testing::ExitedWithCode(0), "");
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
} // namespace vaultlet

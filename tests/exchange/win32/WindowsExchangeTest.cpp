// Behaviour that only Windows shows: the ANSI code page of the model's text, and files that other
// programs hold open.
#include "core/Database.h"
#include "core/ModifiedFlag.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/ExportFile.h"
#include "exchange/ImportFormatList.h"
#include "exchange/KeePass2Import.h"
#include "exchange/XmlExport.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

using WindowsExchangeTest = ModelFixture;

// Closes the handle at the end of the scope.
struct OpenFile {
    explicit OpenFile(HANDLE handle) : handle(handle) {}
    ~OpenFile() {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
    HANDLE handle;
};

TEST_F(WindowsExchangeTest, ModelTextIsInTheAnsiCodePageAndFilesInUtf8) {
    ASSERT_EQ(GetACP(), 1252u) << "the expectations below are written for Windows-1252";
    TempDir dir;
    Database database;
    database.SetName("caf\xE9 \x80"); // "café €" in Windows-1252
    const std::string file = dir.File("ansi.xml");
    ASSERT_TRUE(XmlExport().exportTo(file, database, nullptr));
    EXPECT_NE(ReadFileBytes(file).find("<Name>caf\xC3\xA9 \xE2\x82\xAC</Name>"), std::string::npos);

    const auto imported = KeePass2Import().importFromText(
        "<KeePassFile><Meta><Generator>KeePass</Generator><DatabaseName>\xC3\xA4</DatabaseName></Meta>"
        "<Root><Group/></Root></KeePassFile>");
    ASSERT_NE(imported, nullptr);
    EXPECT_EQ(imported->Name(), "\xE4");

    // A password with characters outside the code page would be stored as other bytes: the file is
    // refused whole, and the open database stays as it was.
    const std::string changing = dir.File("keepass1.xml");
    ASSERT_TRUE(WriteFileBytes(changing, "<pwlist><pwentry><group>Web</group><title>shop</title>"
                                         "<password>has\xC5\x82o-\xD0\x96</password></pwentry></pwlist>"));
    Database open;
    ModifiedFlag::Clear();
    const ImportOutcome outcome = ImportThroughFilter(ImportFormatList(), 3, changing, open);
    EXPECT_EQ(outcome.status, ImportOutcome::Status::TextNotExact);
    EXPECT_EQ(outcome.displayName, "KeePass 1.X XML");
    EXPECT_EQ(open.Count(), 0u);
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

TEST_F(WindowsExchangeTest, ExportWorksBesideReadersButLeavesALockedFileAlone) {
    TempDir dir;
    const std::string file = dir.File("shared.html");
    ASSERT_TRUE(WriteFileBytes(file, "old content"));
    {
        // Another program reading it and allowing writers: the export replaces the content.
        OpenFile reader(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(reader.handle, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(WriteExportFile(file, "new content"));
    }
    EXPECT_EQ(ReadFileBytes(file), "new content");
    {
        OpenFile locker(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(locker.handle, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(WriteExportFile(file, "newer content"));
    }
    EXPECT_EQ(ReadFileBytes(file), "new content") << "a file that cannot be opened is left as it was";
}

} // namespace

#include "shell/win32/exchange/ExportCommand.h"
#include "shell/win32/exchange/ImportCommand.h"
#include "shell/win32/exchange/PrintCommand.h"

#include "core/ModifiedFlag.h"
#include "core/TextConversion.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/ExportFormatList.h"
#include "exchange/HtmlPage.h"
#include "exchange/ImportFormatList.h"
#include "exchange/ImportReport.h"
#include "exchange/XmlExport.h"
#include "resources/StringIds.h"
#include "shell/CurrentDatabase.h"
#include "shell/TextFormat.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/SampleDatabases.h"
#include "tests/support/TestData.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <atomic>
#include <filesystem>

#include <dlgs.h>

namespace vaultlet {
namespace {

using test::Text;

constexpr int kExportXml = 1;
constexpr int kExportHtml = 2;
constexpr int kImportKeePass2 = 2;
constexpr int kImportKeePass1 = 3;

// A fixture file's path as the file dialogs take it, with backslashes.
std::string DataFile(const std::string& name) {
    return std::filesystem::path(test::DataPath(name)).make_preferred().string();
}

std::vector<std::string> GroupNames(const Database& database) {
    std::vector<std::string> names;
    for (const auto& group : database.Children()) {
        names.emplace_back(group->Name().Viewed());
    }
    return names;
}

class ExchangeCommandTest : public test::ShellGuiFixture {
protected:
    void SetUp() override {
        ShellGuiFixture::SetUp();
        auto database = std::make_unique<EncryptedDatabase>();
        database->SetName("Open");
        database->MergeGroups(*test::BuildEveryFieldDatabase());
        CurrentDatabase::Set(std::move(database));
        ModifiedFlag::Clear();
    }

    void TearDown() override {
        PrintCommand::SetPrinter(nullptr);
        ShellGuiFixture::TearDown();
    }

    static EncryptedDatabase& Open() { return *CurrentDatabase::Get(); }

    static INT_PTR Run(const std::function<INT_PTR()>& command, const std::function<void(HWND)>& answer) {
        test::ModalThread run(command);
        const HWND dialog = run.WaitForDialogWhere(test::IsFileDialog);
        EXPECT_NE(dialog, nullptr);
        if (dialog != nullptr) {
            answer(dialog);
        }
        EXPECT_TRUE(run.WaitForEnd());
        return run.Result();
    }
    static std::function<void(HWND)> Choose(int filterIndex, const std::string& path) {
        return [=](HWND dialog) {
            if (filterIndex != 1) {
                test::ChooseComboItem(dialog, cmb1, filterIndex - 1);
                // The dialog takes the filter when the choice is ended, as a closing drop-down list
                // ends it.
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, cmb1)));
                EXPECT_TRUE(test::WaitUntil([&] { return test::ComboSelectionOf(dialog, cmb1) == filterIndex - 1; }));
            }
            test::TypeFileName(dialog, path);
        };
    }
    static void Cancel(HWND dialog) { test::Click(dialog, IDCANCEL); }

    static void ExportThroughDialog(const ModelNode* node, int filterIndex, const std::string& path) {
        Run(node == nullptr ? ExportDatabase : ExportItemOf([node] { return node; }), Choose(filterIndex, path));
    }
    static INT_PTR ExportDatabase() {
        ExportDatabaseCommand(nullptr);
        return 0;
    }
    static std::function<INT_PTR()> ExportItemOf(const SelectedNode& selection) {
        return [selection] {
            ExportItemCommand(nullptr, selection);
            return INT_PTR{0};
        };
    }

    // How often the tree was rebuilt is added to `rebuilds`.
    static bool ImportThroughDialog(const std::function<void(HWND)>& answer, int& rebuilds) {
        std::atomic<int> rebuilt{0};
        const INT_PTR result = Run([&] { return INT_PTR{ImportCommand(nullptr, [&] { ++rebuilt; })}; }, answer);
        rebuilds += rebuilt;
        return result != 0;
    }

    test::TempDir m_dir;
};

TEST_F(ExchangeCommandTest, ExportWritesWhatTheChosenFormatWritesForTheDatabaseOrOneNode) {
    const ModelNode* passcard = Open().At(0)->At(0);
    const ExportFormatList formats;
    struct Case {
        const ModelNode* node;
        int filterIndex;
        std::string name;
    };
    // What each format writes for each node is ExchangeCommandsTest's; here the chosen filter and
    // node reach it. The HTML page goes into a ".xml" name too: the filter alone picks the format.
    for (const Case& c :
         {Case{nullptr, kExportHtml, "database page.xml"}, Case{passcard, kExportXml, "passcard.xml"}}) {
        SCOPED_TRACE(c.name);
        const std::string path = m_dir.File(c.name);
        ExportThroughDialog(c.node, c.filterIndex, path);
        const std::string expected = m_dir.File("expected");
        ASSERT_EQ(ExportThroughFilter(formats, c.filterIndex, expected, Open(), c.node), ExportOutcome::Written);
        EXPECT_TRUE(test::ReadFileBytes(path) == test::ReadFileBytes(expected)) << "the page or document differs";
        // Asked first, told after: the file holds every password in plain text.
        ASSERT_TRUE(WaitForMessages(2));
        const std::vector<std::string> messages = Messages();
        EXPECT_EQ(messages[messages.size() - 2], FormatText(Text(IDS_EXPORT_NOT_ENCRYPTED), {path}));
        EXPECT_EQ(MessageFlags()[messages.size() - 2], static_cast<UINT>(MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2));
        EXPECT_EQ(messages.back(), FormatText(Text(IDS_EXPORT_WRITTEN), {path}));
    }
    EXPECT_EQ(Messages().size(), 4u);
}

TEST_F(ExchangeCommandTest, ExportThatIsCancelledOrCannotBeWrittenLeavesNoFile) {
    Run(ExportDatabase, Cancel);
    EXPECT_TRUE(m_dir.List().empty());
    EXPECT_TRUE(Messages().empty());

    // Told that the file will not be encrypted, the user cancels.
    SetAnswer(IDCANCEL);
    const std::string plain = m_dir.File("Passwords.xml");
    ExportThroughDialog(nullptr, kExportXml, plain);
    EXPECT_EQ(Messages(), std::vector<std::string>{FormatText(Text(IDS_EXPORT_NOT_ENCRYPTED), {plain})});
    EXPECT_TRUE(m_dir.List().empty());

    SetAnswer(IDOK);
    const std::string unwritable = m_dir.File("no such folder\\Passwords.xml");
    ExportThroughDialog(nullptr, kExportXml, unwritable);
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[2], FormatText(Text(IDS_EXPORT_FAILED), {unwritable}));
    EXPECT_TRUE(m_dir.List().empty());
}

// Each format's merge and the numbering of taken names are ExchangeCommandsTest's; here the chosen
// filter reaches the import, the tree is rebuilt once and the counts are told.
TEST_F(ExchangeCommandTest, ImportMergesThroughTheChosenFilterAndReportsTheFilesCounts) {
    const std::string path = DataFile("KeePass1Export.xml");
    Database reference;
    for (const std::string& name : GroupNames(Open())) {
        reference.Add(std::make_unique<Group>(name));
    }
    const ImportOutcome expected = ImportThroughFilter(ImportFormatList(), kImportKeePass1, path, reference);
    ASSERT_EQ(expected.status, ImportOutcome::Status::Merged);

    int rebuilds = 0;
    EXPECT_TRUE(ImportThroughDialog(Choose(kImportKeePass1, path), rebuilds));
    EXPECT_EQ(rebuilds, 1);
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_EQ(GroupNames(Open()), GroupNames(reference));
    EXPECT_EQ(Messages(), std::vector<std::string>{FormatImportCounts(Text(IDS_IMPORT_RESULT), expected.counts)});
}

TEST_F(ExchangeCommandTest, ImportOfAnUnreadableOrEmptyFileOrACancelChangesNothing) {
    const std::vector<std::string> before = GroupNames(Open());
    const std::string empty = m_dir.File("empty.xml");
    ASSERT_TRUE(test::WriteFileBytes(empty, "<pwlist><pwentry><title>only a title</title></pwentry></pwlist>"));
    int rebuilds = 0;

    EXPECT_FALSE(ImportThroughDialog(Choose(kImportKeePass2, DataFile("KeePass1Export.xml")), rebuilds));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0],
              FormatImportFailure(Text(IDS_IMPORT_FAILED), ImportFormatList().at(kImportKeePass2 - 1)->displayName()));

    EXPECT_FALSE(ImportThroughDialog(Choose(kImportKeePass1, empty), rebuilds));
    EXPECT_FALSE(ImportThroughDialog(Cancel, rebuilds));
    EXPECT_EQ(Messages().size(), 1u) << "no groups, no message";
    EXPECT_EQ(rebuilds, 0);
    EXPECT_EQ(GroupNames(Open()), before);
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

TEST_F(ExchangeCommandTest, ADatabaseOrSelectionReplacedDuringTheDialogStopsTheCommand) {
    const std::string importFile = m_dir.File("import.xml");
    ASSERT_TRUE(XmlExport().exportTo(importFile, Open(), nullptr));
    const std::vector<std::string> files = m_dir.List();

    // Export Item: the selection moved to another node while the dialog was up.
    std::atomic<const ModelNode*> selected{Open().At(0)->At(0)};
    Run(ExportItemOf([&] { return selected.load(); }), [&](HWND dialog) {
        selected = Open().At(0)->At(1);
        test::TypeFileName(dialog, m_dir.File("item.xml"));
    });

    // Export Database and Import: a log-off and new login put another database in place.
    const auto replaceThenEnter = [](const std::string& path) {
        return [path](HWND dialog) {
            auto replacement = std::make_unique<EncryptedDatabase>();
            replacement->Add(std::make_unique<Group>("Other"));
            CurrentDatabase::Set(std::move(replacement));
            test::TypeFileName(dialog, path);
        };
    };
    Run(ExportDatabase, replaceThenEnter(m_dir.File("database.xml")));
    int rebuilds = 0;
    ImportThroughDialog(replaceThenEnter(importFile), rebuilds);

    EXPECT_EQ(m_dir.List(), files) << "nothing exported";
    EXPECT_EQ(GroupNames(Open()), std::vector<std::string>{"Other"}) << "nothing merged";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ExchangeCommandTest, PrintHandsTheAnsiPageOfTheNodeToTheEngineOrSaysItCannot) {
    Open().SetName("Caf\xE9"); // as the model keeps text: in the ANSI code page
    const HWND mainWindow = test::CreateOwnerWindow();
    ASSERT_NE(mainWindow, nullptr);
    std::vector<std::string> pages;
    bool previewStarts = true;
    PrintCommand::SetPrinter([&](std::string_view page) {
        pages.emplace_back(page);
        return previewStarts;
    });

    // Which node gives which page is HtmlPageTest's; here the node reaches the page.
    for (const ModelNode* node :
         {static_cast<const ModelNode*>(nullptr), static_cast<const ModelNode*>(Open().At(0)->At(0))}) {
        PrintCommand::Run(mainWindow, node);
        ASSERT_FALSE(pages.empty());
        const SecureString expected = Utf8ToAnsi(HtmlPage::Build(Open(), node, HtmlPageVariant::Print));
        EXPECT_TRUE(pages.back() == std::string_view(expected)) << "another node or variant was printed";
    }
    EXPECT_NE(pages[0].find("<title>Caf\xE9</title>"), std::string::npos) << "the page is in the ANSI code page";
    EXPECT_TRUE(Messages().empty());

    previewStarts = false;
    PrintCommand::Run(mainWindow, nullptr);
    // The system's engine, which the test prefix does not have.
    PrintCommand::SetPrinter(nullptr);
    PrintCommand::Run(mainWindow, nullptr);
    const std::string cannotPrint = Text(IDS_PRINT_FAILED);
    EXPECT_EQ(Messages(), (std::vector<std::string>{cannotPrint, cannotPrint}));

    CurrentDatabase::Set(nullptr);
    PrintCommand::Run(mainWindow, nullptr);
    EXPECT_EQ(Messages().size(), 2u) << "nothing to print without an open database";
    DestroyWindow(mainWindow);
}

} // namespace
} // namespace vaultlet

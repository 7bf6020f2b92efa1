#include "shell/win32/exchange/PrintCommand.h"

#include "core/TextConversion.h"
#include "exchange/HtmlPage.h"
#include "exchange/win32/MshtmlPrintPreview.h"
#include "resources/StringIds.h"
#include "shell/CurrentDatabase.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <mutex>

namespace vaultlet {
namespace {

std::mutex g_printerLock;
PrintCommand::Printer g_printer;

bool Print(std::string_view ansiPage) {
    PrintCommand::Printer printer;
    {
        std::lock_guard<std::mutex> lock(g_printerLock);
        printer = g_printer;
    }
    return printer ? printer(ansiPage) : MshtmlPrintPreview(ansiPage);
}

} // namespace

void PrintCommand::Run(HWND mainWindow, const ModelNode* node) {
    const EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr) {
        return;
    }
    const SecureString page = Utf8ToAnsi(HtmlPage::Build(*database, node, HtmlPageVariant::Print));
    if (!page.empty() && Print(page)) {
        // Out of the way of the preview, which the engine shows as a window of its own.
        PostMessageA(mainWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    }
    MessageBoxes::Error(mainWindow, IDS_PRINT_FAILED);
}

void PrintCommand::SetPrinter(Printer printer) {
    std::lock_guard<std::mutex> lock(g_printerLock);
    g_printer = std::move(printer);
}

} // namespace vaultlet

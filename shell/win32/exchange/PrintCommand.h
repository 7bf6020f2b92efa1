#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace vaultlet {

class ModelNode;

// "Print..." (node null) and "Print Item..." (the selected node): the HTML page of the open
// database or of the node, in the ANSI code page, goes to the system's HTML engine, whose print
// preview prints it. The main window minimises behind the preview, but only when the preview
// really started; otherwise the user is told that nothing can be printed. Nothing happens when no
// database is open.
class PrintCommand {
public:
    // Shows the ANSI page and returns whether its preview started.
    using Printer = std::function<bool(std::string_view ansiPage)>;

    static void Run(HWND mainWindow, const ModelNode* node);
    // With a printer set, pages go to it instead of the HTML engine (tests record them).
    static void SetPrinter(Printer printer);
};

} // namespace vaultlet

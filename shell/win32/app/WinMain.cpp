// Entry point of Vaultlet.exe.
#include "services/win32/CrashReporter.h"
#include "shell/win32/app/Startup.h"
#include "shell/win32/app/SystemLibraries.h"
#include "shell/win32/ui/WindowDpi.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    vaultlet::SystemLibraries::LoadFromSystemFolderOnly();
    vaultlet::WindowDpi::DeclareAwareness();
    try {
        return vaultlet::Startup::Run(GetCommandLineA(), showCommand);
    } catch (...) {
        // A C++ exception that left the main thread's body; faults reach the reporter's filter.
        vaultlet::CrashReporter::ReportEscapedException(vaultlet::CrashReporter::kMainThread);
        throw;
    }
}

// Entry point of Vaultlet.exe.
#include "shell/win32/Startup.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    return vaultlet::Startup::Run(GetCommandLineA(), showCommand);
}

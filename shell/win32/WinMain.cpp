// Entry point of Vaultlet.exe. The login dialog and the main window are not built yet, so the
// program says plainly what this build contains and ends.
#include "resources/resource.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char title[128] = "";
    LoadStringA(instance, IDS_PRODUCT_TITLE, title, sizeof title);
    MessageBoxA(nullptr,
                "This build contains the database core and its tests only.\n"
                "The login dialog and the main window are not part of it yet.",
                title, MB_OK | MB_ICONINFORMATION);
    return 0;
}

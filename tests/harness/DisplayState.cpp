// What the programs of one Wine prefix share on the virtual display, for the test scripts:
//
//   display_state            prints it: the processes, the visible windows, the window in front,
//                            the keys down and whether the global hot key Ctrl+Alt+F is taken
//   display_state --clean    checks that a test suite left none of it behind (tests/CMakeLists.txt
//                            runs this between suites) and fails naming each leftover
//
// A leftover is a process other than the prefix's own services, a visible window, the hot key still
// registered, or a key or mouse button still down in the desktop's key state. Each of them can stop
// a later test's hot key: the server posts WM_HOTKEY to the one window that registered it, and only
// when the modifiers down are exactly the registered ones. What it names it also ends or releases,
// so that one faulty suite fails once and not every suite after it.
#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Started with the prefix and shared by every suite: the desktop, the system services and the
// helper that the prefix's start-up runs for a moment.
constexpr const char* kPrefixProcesses[] = {"explorer.exe", "services.exe", "winedevice.exe", "plugplay.exe",
                                            "rpcss.exe",    "svchost.exe",  "conhost.exe",    "winemenubuilder.exe"};

struct Process {
    DWORD id;
    std::string name;
};

std::vector<Process> Processes() {
    std::vector<Process> found;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return found;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        found.push_back({entry.th32ProcessID, entry.szExeFile});
    }
    CloseHandle(snapshot);
    return found;
}

bool IsPrefixProcess(const std::string& name) {
    for (const char* own : kPrefixProcesses) {
        if (lstrcmpiA(name.c_str(), own) == 0) {
            return true;
        }
    }
    return false;
}

std::string ProcessOf(HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    for (const Process& process : Processes()) {
        if (process.id == owner) {
            return process.name;
        }
    }
    return "?";
}

std::vector<HWND> VisibleWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM found) {
            if (IsWindowVisible(window)) {
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Describe(HWND window) {
    char title[128] = {};
    char className[64] = {};
    GetWindowTextA(window, title, sizeof title);
    GetClassNameA(window, className, sizeof className);
    return "\"" + std::string(title) + "\" (class " + className + ", " + ProcessOf(window) + ")";
}

bool HotKeyIsTaken() {
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'F')) {
        return true;
    }
    UnregisterHotKey(nullptr, 1);
    return false;
}

// The desktop's key state, which the server matches hot keys against: a key a test pressed and
// never released stays down there for every later program of the session.
std::vector<int> KeysDown() {
    std::vector<int> keys;
    for (int key = 1; key < 0xFF; ++key) {
        if ((GetAsyncKeyState(key) & 0x8000) != 0) {
            keys.push_back(key);
        }
    }
    return keys;
}

std::string KeyName(int key) {
    char name[32] = {};
    const LONG scan = static_cast<LONG>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
    char text[48];
    std::snprintf(text, sizeof text, "0x%02X %s", key, GetKeyNameTextA(scan, name, sizeof name) > 0 ? name : "");
    return text;
}

void Release(int key) {
    INPUT up{};
    if (key == VK_LBUTTON || key == VK_RBUTTON || key == VK_MBUTTON) {
        up.type = INPUT_MOUSE;
        up.mi.dwFlags = key == VK_LBUTTON   ? MOUSEEVENTF_LEFTUP
                        : key == VK_RBUTTON ? MOUSEEVENTF_RIGHTUP
                                            : MOUSEEVENTF_MIDDLEUP;
    } else {
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = static_cast<WORD>(key);
        up.ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(1, &up, sizeof up);
}

void End(DWORD processId) {
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

void Print() {
    for (const Process& process : Processes()) {
        std::printf("process %s\n", process.name.c_str());
    }
    for (const HWND window : VisibleWindows()) {
        std::printf("visible window %s\n", Describe(window).c_str());
    }
    const HWND front = GetForegroundWindow();
    std::printf("in front: %s\n", front == nullptr ? "nothing" : Describe(front).c_str());
    for (const int key : KeysDown()) {
        std::printf("key down: %s\n", KeyName(key).c_str());
    }
    std::printf("hot key Ctrl+Alt+F: %s\n", HotKeyIsTaken() ? "taken" : "free");
}

int CheckClean() {
    int leftovers = 0;
    const auto leftover = [&](const std::string& what) {
        std::printf("left behind: %s\n", what.c_str());
        ++leftovers;
    };
    for (const HWND window : VisibleWindows()) {
        if (!IsPrefixProcess(ProcessOf(window))) {
            leftover("the visible window " + Describe(window));
        }
    }
    for (const Process& process : Processes()) {
        if (process.id != GetCurrentProcessId() && !IsPrefixProcess(process.name)) {
            leftover("the process " + process.name + " (now ended)");
            End(process.id);
        }
    }
    if (HotKeyIsTaken()) {
        leftover("the hot key Ctrl+Alt+F, still registered");
    }
    for (const int key : KeysDown()) {
        leftover("the key " + KeyName(key) + ", still down (now released)");
        Release(key);
    }
    if (leftovers == 0) {
        std::printf("nothing left behind\n");
    }
    return leftovers == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--clean") == 0) {
        return CheckClean();
    }
    if (argc != 1) {
        std::fprintf(stderr, "usage: display_state [--clean]\n");
        return 2;
    }
    Print();
    return 0;
}

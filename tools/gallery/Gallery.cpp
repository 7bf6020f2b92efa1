// dialog_gallery.exe --list | NAME
//
// With a name: shows that dialog, prints "ready X Y WIDTH HEIGHT" (its place on the screen) once it
// is painted, waits for a line on standard input, closes the dialog and ends. With --list: prints
// the names, one per line.
#include "tools/gallery/Gallery.h"

#include "core/NewDatabase.h"
#include "services/LanguagePack.h"
#include "services/UpdateEndpoint.h"
#include "shell/SettingsLocation.h"

#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <thread>
#include <utility>
#include <vector>

namespace vaultlet::gallery {
namespace {

std::map<std::string, Entry>& MutableEntries() {
    static std::map<std::string, Entry> entries;
    return entries;
}

// The visible top-level windows of the thread.
std::vector<HWND> VisibleWindowsOf(DWORD threadId) {
    std::vector<HWND> found;
    EnumThreadWindows(
        threadId,
        [](HWND window, LPARAM parameter) {
            if (IsWindowVisible(window)) {
                reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The step of Scene::Later, run by a thread timer of the scene's thread.
std::function<void(HWND)> g_laterStep;

void CALLBACK RunLater(HWND, UINT, UINT_PTR timer, DWORD) {
    const std::vector<HWND> windows = VisibleWindowsOf(GetCurrentThreadId());
    if (windows.empty() || !g_laterStep) {
        return;
    }
    KillTimer(nullptr, timer);
    const auto step = std::exchange(g_laterStep, nullptr);
    step(windows.back());
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

int ShowOne(const Entry& entry) {
    std::atomic<DWORD> threadId{0};
    std::atomic<bool> done{false};
    std::thread ui([&] {
        threadId = GetCurrentThreadId();
        Scene scene;
        entry.show(scene);
        done = true;
    });
    std::vector<HWND> windows;
    const bool shown = WaitFor(
        [&] {
            windows = threadId != 0 ? VisibleWindowsOf(threadId) : std::vector<HWND>();
            return static_cast<int>(windows.size()) >= entry.windows;
        },
        std::chrono::seconds(30));
    if (shown) {
        // Each round trip lets the dialog's thread finish what it queued; the redraw paints it whole.
        RECT place{};
        for (const HWND window : windows) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
            RECT bounds{};
            GetWindowRect(window, &bounds);
            if (IsRectEmpty(&place)) {
                place = bounds;
            } else {
                UnionRect(&place, &place, &bounds);
            }
        }
        std::printf("ready %ld %ld %ld %ld\n", place.left, place.top, place.right - place.left,
                    place.bottom - place.top);
        std::fflush(stdout);
        std::string line;
        std::getline(std::cin, line);
    } else {
        std::printf("failed: no window appeared\n");
        std::fflush(stdout);
    }
    // Close whatever the scene shows until its function returns.
    while (!WaitFor([&] { return done.load(); }, std::chrono::milliseconds(500))) {
        EnumThreadWindows(
            threadId,
            [](HWND each, LPARAM) {
                PostMessageA(each, WM_CLOSE, 0, 0);
                return TRUE;
            },
            0);
    }
    ui.join();
    return shown ? 0 : 1;
}

} // namespace

Scene::Scene() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    m_folder = (std::filesystem::temp_directory_path() / ("vaultlet-gallery-" + std::to_string(stamp))).string();
    std::filesystem::create_directories(m_folder);
    SettingsLocation::Set(File("Vaultlet.ini"));
}

Scene::~Scene() {
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
}

std::string Scene::File(const std::string& name) const {
    return (std::filesystem::path(m_folder) / name).string();
}

void Scene::Later(std::function<void(HWND)> step) {
    constexpr UINT kPollMilliseconds = 100;
    g_laterStep = std::move(step);
    SetTimer(nullptr, 0, kPollMilliseconds, RunLater);
}

std::string Scene::MakeDatabase(const std::string& fileName, const std::string& name) const {
    const std::string path = File(fileName);
    auto database = NewDatabase::Create(path, name, "sample", 1);
    database->SetKeyIterations(50);
    database->Save();
    return path;
}

Registration::Registration(const char* name, Show show, int windows) {
    MutableEntries()[name] = Entry{std::move(show), windows};
}

const std::map<std::string, Entry>& Entries() {
    return MutableEntries();
}

} // namespace vaultlet::gallery

int main(int argc, char** argv) {
    using namespace vaultlet;
    _setmode(_fileno(stdout), _O_BINARY);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The login scene's update check goes to a loopback port where nothing listens.
    _putenv_s(UpdateEndpoint::kServerVariable, "127.0.0.1:9");
    // NAME-russian shows the scene NAME with the Russian texts.
    constexpr std::string_view kRussian = "-russian";
    std::string name = argc > 1 ? argv[1] : "";
    const bool russian = name.size() > kRussian.size() && name.ends_with(kRussian);
    if (russian) {
        name.resize(name.size() - kRussian.size());
    }
    LanguagePack::Instance().setLanguage(russian ? "Russian" : "English");
    const auto& entries = gallery::Entries();
    if (name == "--list") {
        for (const auto& entry : entries) {
            std::printf("%s\n", entry.first.c_str());
        }
        return 0;
    }
    const auto entry = entries.find(name);
    if (entry == entries.end()) {
        std::fprintf(stderr, "usage: dialog_gallery --list | NAME[-russian]\n");
        return 2;
    }
    return gallery::ShowOne(entry->second);
}

// dialog_gallery.exe --list | NAME | --check [NAME...]
//
// With a name: shows that dialog, prints "ready X Y WIDTH HEIGHT" (its place on the screen) once it
// is painted, waits for a line on standard input, closes the dialog and ends. With --list: prints
// the names, one per line. With --check: shows the named scenes (all without names) one after the
// other and checks the layout of each (LayoutCheck.h) at the display's resolution, which it names in
// its first line; prints each fault and ends with 1 when there was any.
#include "tools/gallery/Gallery.h"

#include "core/NewDatabase.h"
#include "services/LanguagePack.h"
#include "services/UpdateEndpoint.h"
#include "shell/SettingsLocation.h"
#include "shell/win32/ui/WindowDpi.h"
#include "tools/gallery/LayoutCheck.h"
#include "tools/gallery/PlantedFaults.h"

#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
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

// The step of Scene::Later, run by a thread timer of the scene's thread; the scene is not ready for
// its picture while one waits.
std::function<void(HWND)> g_laterStep;
std::atomic<bool> g_laterPending{false};

void CALLBACK RunLater(HWND, UINT, UINT_PTR timer, DWORD) {
    const std::vector<HWND> windows = VisibleWindowsOf(GetCurrentThreadId());
    if (windows.empty() || !g_laterStep) {
        return;
    }
    KillTimer(nullptr, timer);
    const auto step = std::exchange(g_laterStep, nullptr);
    step(windows.back());
    g_laterPending = false;
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

// Closes whatever the scene's thread shows until the scene's function returns.
void CloseScene(DWORD threadId, const std::atomic<bool>& done) {
    while (!WaitFor([&] { return done.load(); }, std::chrono::milliseconds(500))) {
        EnumThreadWindows(
            threadId,
            [](HWND each, LPARAM) {
                PostMessageA(each, WM_CLOSE, 0, 0);
                return TRUE;
            },
            0);
    }
}

// Shows the scene on a thread of its own, hands its windows to `use` once they are painted, then
// closes them. False when they did not appear.
bool RunScene(const Entry& entry, const std::function<void(const std::vector<HWND>&)>& use) {
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
            return static_cast<int>(windows.size()) >= entry.windows && !g_laterPending;
        },
        std::chrono::seconds(30));
    if (shown) {
        // Each round trip lets the dialog's thread finish what it queued; the redraw paints it whole.
        for (const HWND window : windows) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
        }
        use(windows);
    }
    CloseScene(threadId, done);
    ui.join();
    return shown;
}

int ShowOne(const Entry& entry) {
    const bool shown = RunScene(entry, [](const std::vector<HWND>& windows) {
        RECT place{};
        for (const HWND window : windows) {
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
    });
    if (!shown) {
        std::printf("failed: no window appeared\n");
        std::fflush(stdout);
    }
    return shown ? 0 : 1;
}

// The faults the check finds in the windows of a scene it shows, or nothing when the scene did not appear.
std::optional<std::vector<std::string>> FaultsOf(const Entry& entry, bool& systemOnly) {
    std::vector<std::string> found;
    systemOnly = true;
    const bool shown = RunScene(entry, [&](const std::vector<HWND>& windows) {
        for (const HWND window : windows) {
            if (IsOwnWindow(window)) {
                systemOnly = false;
                const std::vector<std::string> each = CheckLayout(window);
                found.insert(found.end(), each.begin(), each.end());
            }
            if (entry.expect) {
                const std::vector<std::string> more = entry.expect(window);
                found.insert(found.end(), more.begin(), more.end());
            }
        }
    });
    return shown ? std::optional(found) : std::nullopt;
}

// The check finds exactly the faults of the dialog built with them.
bool FindsPlantedFaults(int dpi) {
    bool systemOnly = false;
    const auto found = FaultsOf(PlantedFaultsScene(), systemOnly).value_or(std::vector<std::string>{});
    const std::vector<std::string> expected = PlantedFaults(dpi);
    const auto reported = [&](const std::string& start) {
        return std::any_of(found.begin(), found.end(),
                           [&](const std::string& line) { return line.starts_with(start); });
    };
    const bool right = found.size() == expected.size() && std::all_of(expected.begin(), expected.end(), reported);
    std::printf("%s the check finds the faults planted in a test dialog\n", right ? "ok  " : "FAIL");
    for (const std::string& line : found) {
        std::printf("    found: %s\n", line.c_str());
    }
    if (!right) {
        for (const std::string& line : expected) {
            std::printf("    expected: %s...\n", line.c_str());
        }
    }
    return right;
}

int CheckScenes(std::vector<std::string> names) {
    const int dpi = WindowDpi::System().Dpi();
    std::printf("layout check at %d DPI\n", dpi);
    const bool checkSeesFaults = FindsPlantedFaults(dpi);
    if (names.empty()) {
        for (const auto& entry : Entries()) {
            names.push_back(entry.first);
        }
    }
    std::size_t faults = 0;
    for (const std::string& name : names) {
        const auto entry = Entries().find(name);
        bool systemOnly = false;
        const auto shown = entry != Entries().end() ? FaultsOf(entry->second, systemOnly) : std::nullopt;
        const std::vector<std::string> found = shown.value_or(std::vector<std::string>{"the scene did not appear"});
        std::printf("%s %s%s\n", found.empty() ? "ok  " : "FAIL", name.c_str(),
                    shown && systemOnly ? " (a window the system lays out: not checked)" : "");
        for (const std::string& fault : found) {
            std::printf("    %s\n", fault.c_str());
        }
        std::fflush(stdout);
        faults += found.size();
    }
    std::printf("%zu scenes at %d DPI: %zu faults\n", names.size(), dpi, faults);
    return faults == 0 && checkSeesFaults ? 0 : 1;
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
    g_laterPending = true;
    SetTimer(nullptr, 0, kPollMilliseconds, RunLater);
}

std::string Scene::MakeDatabase(const std::string& fileName, const std::string& name) const {
    const std::string path = File(fileName);
    auto database = NewDatabase::Create(path, name, "sample", 1);
    database->SetKeyIterations(50);
    database->Save();
    return path;
}

Registration::Registration(const char* name, Show show, int windows, Expect expect) {
    MutableEntries()[name] = Entry{std::move(show), windows, std::move(expect)};
}

const std::map<std::string, Entry>& Entries() {
    return MutableEntries();
}

} // namespace vaultlet::gallery

int main(int argc, char** argv) {
    using namespace vaultlet;
    _setmode(_fileno(stdout), _O_BINARY);
    WindowDpi::DeclareAwareness();
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
    if (name == "--check") {
        return gallery::CheckScenes(std::vector<std::string>(argv + 2, argv + argc));
    }
    const auto entry = entries.find(name);
    if (entry == entries.end()) {
        std::fprintf(stderr, "usage: dialog_gallery --list | NAME[-russian] | --check [NAME...]\n");
        return 2;
    }
    return gallery::ShowOne(entry->second);
}

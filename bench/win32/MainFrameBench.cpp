// The main window on a big database: 10,000 passcards with five items each, in five groups of
// 2,000. Measured under Wine in a virtual display (scripts/wine-exec), in wall-clock time, since much
// of the work happens in the window system's own process:
//   - opening the window for the database until it is shown and idle (the user waits for this
//     right after the password check; it should stay under a second);
//   - a selection change in the tree with the message queue drained, so the list, the note pane and
//     the painting are included (each should stay under 50 ms): between two passcards, from the
//     root to a group (the list fills with the group's 2,000 passcards) and back to the root.
// Loading such a file from disk is dominated by the key derivation and measured natively
// (bench/DatabaseFileBench.cpp).
#include "core/EncryptedDatabase.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/ModifiedFlag.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingsLocation.h"
#include "shell/win32/mainframe/MainFrame.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <benchmark/benchmark.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

using namespace vaultlet;

namespace {

constexpr int kGroups = 5;
constexpr int kPasscardsPerGroup = 2000;

std::string Numbered(const char* prefix, int number) {
    return prefix + std::to_string(number);
}

std::unique_ptr<EncryptedDatabase> BuildBigDatabase() {
    auto database = std::make_unique<EncryptedDatabase>();
    database->SetName("Benchmark");
    constexpr ItemType kTypes[] = {ItemType::Login, ItemType::Password, ItemType::Url, ItemType::Mail, ItemType::Phone};
    for (int g = 0; g < kGroups; ++g) {
        auto group = std::make_unique<Group>();
        group->SetName(Numbered("Group ", g));
        for (int p = 0; p < kPasscardsPerGroup; ++p) {
            auto passcard = std::make_unique<Passcard>();
            passcard->SetName(Numbered("Passcard ", g * kPasscardsPerGroup + p));
            // Each its own note, so every selection change really replaces the note pane's text.
            passcard->SetComment(Numbered("Notes on passcard ", g * kPasscardsPerGroup + p));
            for (ItemType type : kTypes) {
                auto item = std::make_unique<Item>();
                item->ApplyTypeDefaults(type);
                item->SetValue(Numbered("value-", p));
                passcard->Add(std::move(item));
            }
            group->Add(std::move(passcard));
        }
        database->Add(std::move(group));
    }
    ModifiedFlag::Clear();
    return database;
}

// The settings of a fresh installation, in a private ini file so the machine's registry is left
// alone and every run starts the same.
class PrivateSettings {
public:
    PrivateSettings() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_folder = std::filesystem::temp_directory_path() / ("vaultlet-bench-" + std::to_string(stamp));
        std::filesystem::create_directories(m_folder / "program");
        SettingsLocation::Set((m_folder / "Vaultlet.ini").string());
    }
    ~PrivateSettings() {
        SettingsLocation::Set({});
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }
    PrivateSettings(const PrivateSettings&) = delete;
    PrivateSettings& operator=(const PrivateSettings&) = delete;

    DatabaseFolders Folders() const {
        DatabaseFolders folders;
        folders.executableFolder = (m_folder / "program").string();
        folders.searchFolders = {folders.executableFolder};
        return folders;
    }

private:
    std::filesystem::path m_folder;
};

PrivateSettings* g_settings = nullptr;

// Wall-clock time in milliseconds. The machine is shared, so with --benchmark_repetitions the
// fastest repetition is reported too: it shows the cost of the code itself, the median what a user
// sees under load.
void Configure(benchmark::internal::Benchmark* bench) {
    bench->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
    });
}

// Handles everything the window has queued, painting included. The window's own WM_QUIT (posted
// when it is destroyed) is not meant for this loop.
void DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void BM_ShowMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        {
            MainFrame frame(nullptr, g_settings->Folders());
            if (!frame.Create(SW_SHOWNOACTIVATE)) {
                state.SkipWithError("the main window could not be created");
                break;
            }
            DrainMessages();
            state.PauseTiming();
            DestroyWindow(frame.Handle());
        }
        DrainMessages();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowMainWindow)->Apply(Configure)->MinTime(3.0);

// The main window, open for the whole of one selection benchmark.
class OpenFrame {
public:
    OpenFrame() : m_frame(nullptr, g_settings->Folders()) {
        m_open = m_frame.Create(SW_SHOWNOACTIVATE);
        DrainMessages();
        m_tree = GetDlgItem(m_frame.Handle(), IDC_MAIN_TREE);
        m_list = GetDlgItem(m_frame.Handle(), IDC_MAIN_LIST);
    }
    ~OpenFrame() {
        DestroyWindow(m_frame.Handle());
        DrainMessages();
    }
    OpenFrame(const OpenFrame&) = delete;
    OpenFrame& operator=(const OpenFrame&) = delete;

    bool IsOpen() const { return m_open && m_tree != nullptr; }
    HTREEITEM Root() const { return TreeView_GetRoot(m_tree); }
    HTREEITEM Child(HTREEITEM parent, int index) const {
        HTREEITEM item = TreeView_GetChild(m_tree, parent);
        while (item != nullptr && index-- > 0) {
            item = TreeView_GetNextSibling(m_tree, item);
        }
        return item;
    }
    void Select(HTREEITEM item) const {
        SendMessageA(m_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        DrainMessages();
    }
    int ListRows() const { return ListView_GetItemCount(m_list); }

private:
    MainFrame m_frame;
    bool m_open = false;
    HWND m_tree = nullptr;
    HWND m_list = nullptr;
};

void BM_SelectPasscard(benchmark::State& state) {
    const OpenFrame frame;
    const HTREEITEM group = frame.Child(frame.Root(), 2);
    const HTREEITEM targets[] = {frame.Child(group, 10), frame.Child(group, static_cast<int>(state.range(0)))};
    if (!frame.IsOpen() || targets[0] == nullptr || targets[1] == nullptr) {
        state.SkipWithError("the main window could not be created");
        return;
    }
    frame.Select(targets[0]);
    int next = 1;
    for (auto _ : state) {
        frame.Select(targets[next]);
        next = 1 - next;
    }
    if (frame.ListRows() != 5) {
        state.SkipWithError("the list does not show the passcard's items");
    }
}
// The next passcard, and one far down the group (the tree scrolls to it).
BENCHMARK(BM_SelectPasscard)->Arg(11)->Arg(1500)->Apply(Configure);

// From the root (five groups listed) to a group whose 2,000 passcards fill the list, or back.
void SelectBetweenRootAndGroup(benchmark::State& state, bool toGroup) {
    const OpenFrame frame;
    const HTREEITEM root = frame.Root();
    const HTREEITEM group = frame.Child(root, 0);
    if (!frame.IsOpen() || group == nullptr) {
        state.SkipWithError("the main window could not be created");
        return;
    }
    const HTREEITEM from = toGroup ? root : group;
    const HTREEITEM to = toGroup ? group : root;
    for (auto _ : state) {
        state.PauseTiming();
        frame.Select(from);
        state.ResumeTiming();
        frame.Select(to);
    }
    if (frame.ListRows() != (toGroup ? kPasscardsPerGroup : kGroups)) {
        state.SkipWithError("the list does not show the selected node's children");
    }
}

void BM_SelectGroupFromRoot(benchmark::State& state) {
    SelectBetweenRootAndGroup(state, true);
}
BENCHMARK(BM_SelectGroupFromRoot)->Apply(Configure);

void BM_SelectRootFromGroup(benchmark::State& state) {
    SelectBetweenRootAndGroup(state, false);
}
BENCHMARK(BM_SelectRootFromGroup)->Apply(Configure);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    PrivateSettings settings;
    g_settings = &settings;
    // Nothing here should ask the user anything; an unexpected question must not wait forever.
    MessageBoxes::SetAnswerer([](const std::string&, UINT) { return IDNO; });
    CurrentDatabase::Set(BuildBigDatabase());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CurrentDatabase::Reset();
    MessageBoxes::SetAnswerer(nullptr);
    g_settings = nullptr;
    return 0;
}

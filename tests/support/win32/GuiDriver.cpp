#include "tests/support/win32/GuiDriver.h"

#include "core/TextConversion.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <commctrl.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace vaultlet::test {

bool WaitUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    return PumpUntil(condition, static_cast<DWORD>(timeoutMilliseconds));
}

std::string TextOf(HWND window) {
    const int length = static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::string(Utf16ToAnsi(reinterpret_cast<const char16_t*>(text.data())).Viewed());
}

std::string ItemTextOf(HWND dialog, int id) {
    return TextOf(GetDlgItem(dialog, id));
}

void SetItemTextOf(HWND dialog, int id, const std::string& text) {
    const SecureU16String wide = AnsiToUtf16(text);
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Click(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool IsItemEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != 0;
}

bool IsChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string ListViewText(HWND list, int row, int column) {
    char text[260] = {};
    LVITEMA data{};
    data.iSubItem = column;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&data));
    return text;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

namespace {

// Ids of the file-name field of the system's file dialogs: the explorer-style combo box and the
// plain edit of the older layout.
constexpr int kFileNameCombo = 1148;
constexpr int kFileNameEdit = 1152;

bool IsVisibleDialog(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    return IsWindowVisible(window) && std::string(className) == "#32770";
}

struct Search {
    DWORD processId = 0;
    const std::function<bool(HWND)>* accept = nullptr;
    HWND found = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((search->processId == 0 || owner == search->processId) && IsVisibleDialog(window) &&
        (*search->accept)(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(child);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

} // namespace

HWND FindDialog(DWORD processId, const std::function<bool(HWND)>& accept) {
    Search search{processId, &accept, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD processId, const std::function<bool(HWND)>& accept, int timeoutMilliseconds) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(processId, accept)) != nullptr; }, timeoutMilliseconds);
    return found;
}

bool HasControl(HWND dialog, int id) {
    return GetDlgItem(dialog, id) != nullptr;
}

std::vector<std::string> ComboItemsOf(HWND dialog, int id) {
    const HWND combo = GetDlgItem(dialog, id);
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::vector<wchar_t> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        items.emplace_back(Utf16ToAnsi(reinterpret_cast<const char16_t*>(text.data())).Viewed());
    }
    return items;
}

int ComboSelectionOf(HWND dialog, int id) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, id), CB_GETCURSEL, 0, 0));
}

void ChooseComboItem(HWND dialog, int id, int index) {
    const HWND combo = GetDlgItem(dialog, id);
    PostMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::string MessageTextOf(HWND box) {
    std::string text;
    for (const HWND child : ChildrenOf(box)) {
        if (ClassOf(child) == "Static" && !TextOf(child).empty()) {
            text = TextOf(child);
        }
    }
    return text;
}

HWND WaitForMessageBox(DWORD processId, int timeoutMilliseconds) {
    return WaitForDialog(
        processId,
        [](HWND window) {
            bool hasButton = false;
            for (const HWND child : ChildrenOf(window)) {
                const std::string className = ClassOf(child);
                if (className != "Static" && className != "Button") {
                    return false;
                }
                hasButton = hasButton || className == "Button";
            }
            return hasButton && !MessageTextOf(window).empty();
        },
        timeoutMilliseconds);
}

void PressHotKey() {
    INPUT keys[6] = {};
    const WORD codes[3] = {VK_CONTROL, VK_MENU, 'F'};
    for (int i = 0; i < 3; ++i) {
        keys[i].type = keys[5 - i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = keys[5 - i].ki.wVk = codes[i];
        keys[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(6, keys, sizeof(INPUT));
}

bool IsFileDialog(HWND dialog) {
    return HasControl(dialog, kFileNameCombo) || HasControl(dialog, kFileNameEdit);
}

void TypeFileName(HWND fileDialog, const std::string& path) {
    const int field = HasControl(fileDialog, kFileNameCombo) ? kFileNameCombo : kFileNameEdit;
    SetItemTextOf(fileDialog, field, path);
    Click(fileDialog, IDOK);
}

// A thread that runs the bodies of ModalThreads one after another, and the idle ones waiting for
// the next body.
class ModalThread::Worker {
public:
    Worker() : m_thread([this] { Loop(); }) {
        std::unique_lock lock(m_lock);
        m_changed.wait(lock, [this] { return m_threadId != 0; });
    }
    ~Worker() {
        {
            std::lock_guard lock(m_lock);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    static std::unique_ptr<Worker> Take() {
        std::lock_guard lock(PoolLock());
        auto& idle = Idle();
        if (idle.empty()) {
            return std::make_unique<Worker>();
        }
        std::unique_ptr<Worker> worker = std::move(idle.back());
        idle.pop_back();
        return worker;
    }
    static void GiveBack(std::unique_ptr<Worker> worker) {
        std::lock_guard lock(PoolLock());
        Idle().push_back(std::move(worker));
    }

    DWORD ThreadId() const { return m_threadId; }
    void Run(std::function<void()> job) {
        {
            std::lock_guard lock(m_lock);
            m_job = std::move(job);
        }
        m_changed.notify_all();
    }

private:
    static std::mutex& PoolLock() {
        static std::mutex lock;
        return lock;
    }
    static std::vector<std::unique_ptr<Worker>>& Idle() {
        static std::vector<std::unique_ptr<Worker>> idle;
        return idle;
    }

    void Loop() {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); // a message queue before anyone posts
        {
            std::lock_guard lock(m_lock);
            m_threadId = GetCurrentThreadId();
        }
        m_changed.notify_all();
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(m_lock);
                m_changed.wait(lock, [this] { return m_stop || m_job; });
                if (!m_job) {
                    return;
                }
                job = std::move(m_job);
                m_job = nullptr;
            }
            // What the previous body left in the queue (a quit message above all) is not the next one's.
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            }
            job();
        }
    }

    std::mutex m_lock;
    std::condition_variable m_changed;
    std::function<void()> m_job;
    bool m_stop = false;
    DWORD m_threadId = 0;
    std::thread m_thread;
};

ModalThread::ModalThread(std::function<INT_PTR()> body) : m_worker(Worker::Take()) {
    m_threadId = m_worker->ThreadId();
    m_worker->Run([this, body = std::move(body)] {
        m_result = body();
        m_done = true;
    });
}

ModalThread::~ModalThread() {
    // A test that failed half-way may leave a dialog open: close what the thread shows until the
    // body returns, so one failure does not hang the whole run.
    constexpr int kAttempts = 30;
    for (int attempt = 0; attempt < kAttempts && !WaitUntil([this] { return m_done.load(); }, attempt == 0 ? 0 : 1000);
         ++attempt) {
        EnumThreadWindows(
            m_threadId,
            [](HWND window, LPARAM) {
                PostMessageA(window, WM_CLOSE, 0, 0);
                return TRUE;
            },
            0);
    }
    if (m_done) {
        Worker::GiveBack(std::move(m_worker));
    } else {
        m_worker.reset(); // waits for the body, as a thread of its own would be joined
    }
}

HWND ModalThread::WaitForDialog(const std::string& title, int timeoutMilliseconds) const {
    return WaitForDialogWhere([&](HWND window) { return title.empty() || TextOf(window) == title; },
                              timeoutMilliseconds);
}

HWND ModalThread::WaitForDialogWhere(const std::function<bool(HWND)>& accept, int timeoutMilliseconds) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            Search search{0, &accept, nullptr};
            EnumThreadWindows(m_threadId, Match, reinterpret_cast<LPARAM>(&search));
            return (found = search.found) != nullptr;
        },
        timeoutMilliseconds);
    return found;
}

bool ModalThread::WaitForEnd(int timeoutMilliseconds) const {
    return WaitUntil([this] { return m_done.load(); }, timeoutMilliseconds);
}

} // namespace vaultlet::test

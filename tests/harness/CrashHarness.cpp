// A stand-in program for the crash reporter's tests: it enters like Vaultlet.exe does (crash-report
// mode or an installed reporter) and then crashes the way its argument asks:
//   main        an access violation on the main thread, with a secret in registers and on the stack,
//               and a secret the program copied standing on the clipboard
//   values      an access violation with small values (characters of a password), the address of
//               a heap block, of the program's code and of the stack in registers
//   data        a jump into data memory that holds the secret
//   throw       a C++ exception leaving the worker thread "CheckUpdateThread"
//   twothreads  two worker threads faulting at the same moment
// Started as `/crash_report FILE` (the reporter's relaunch), it appends its command line to the file
// named by VAULTLET_CRASH_RECORD instead of showing the dialog; with VAULTLET_CRASH_AGAIN set it
// then faults itself, as a crash inside the crash dialog would.
#include "shell/CommandLine.h"
#include "shell/win32/crash/CrashReportMode.h"
#include "shell/win32/system/SecretClipboard.h"
#include "shell/win32/system/WorkerThread.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

using vaultlet::WorkerThread;

constexpr std::uint64_t kSecretWord = 0x5EC12E7C0FFEE123;
constexpr const char* kSecretText = "CANARY-7d1f-SECRET-TEXT";
// Read at run time, so the compiler cannot see the write to it as out of bounds.
volatile std::uintptr_t g_unmapped = 0x10;

void WriteUnmapped() {
    *reinterpret_cast<volatile int*>(g_unmapped) = 1;
}

void Record(const std::string&, const std::string&) {
    if (const char* record = std::getenv("VAULTLET_CRASH_RECORD")) {
        std::ofstream(record, std::ios::app) << GetCommandLineA() << "\n";
    }
    if (std::getenv("VAULTLET_CRASH_AGAIN") != nullptr) {
        WriteUnmapped();
    }
}

// The secret in every general register the compiler lets go of, and in a stack array and a stack
// text of this frame; then a write to an unmapped address.
[[gnu::noinline]] void FaultHoldingSecret() {
    volatile std::uint64_t words[8];
    volatile char text[32];
    for (volatile std::uint64_t& word : words) {
        word = kSecretWord;
    }
    for (std::size_t index = 0; index <= std::strlen(kSecretText); ++index) {
        text[index] = kSecretText[index];
    }
    asm volatile("" ::"r"(words), "r"(text) : "memory");
    asm volatile("movabs $0x5EC12E7C0FFEE123, %%rax\n\t"
                 "mov %%rax, %%rbx\n\tmov %%rax, %%rcx\n\tmov %%rax, %%rdx\n\t"
                 "mov %%rax, %%rsi\n\tmov %%rax, %%rdi\n\tmov %%rax, %%r8\n\tmov %%rax, %%r9\n\t"
                 "mov %%rax, %%r10\n\tmov %%rax, %%r11\n\tmov %%rax, %%r12\n\tmov %%rax, %%r13\n\t"
                 "mov %%rax, %%r14\n\tmov %%rax, %%r15\n\t"
                 "movl $1, 0x10\n\t" ::
                     : "rax", "rbx", "rcx", "rdx", "rsi", "rdi", "r8", "r9", "r10", "r11", "r12", "r13", "r14", "r15",
                       "memory");
}

// RAX and RBX hold "p" and "pa", RCX a heap block, RDX the program's code, RSI this frame's stack.
[[gnu::noinline]] void FaultHoldingValues() {
    volatile char onStack[16] = {};
    auto* heap = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, 64));
    const auto code = reinterpret_cast<std::uintptr_t>(&FaultHoldingValues);
    asm volatile("mov %0, %%rcx\n\tmov %1, %%rdx\n\tmov %2, %%rsi\n\t"
                 "mov $0x70, %%eax\n\tmov $0x6170, %%ebx\n\t"
                 "movl $1, 0x10\n\t" ::"r"(heap),
                 "r"(code), "r"(onStack)
                 : "rax", "rbx", "rcx", "rdx", "rsi", "memory");
}

void JumpIntoData() {
    auto* data = static_cast<std::uint64_t*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    for (int index = 0; index < 512; ++index) {
        data[index] = kSecretWord;
    }
    reinterpret_cast<void (*)()>(reinterpret_cast<void*>(data))();
}

class CrashingThread final : public WorkerThread {
public:
    CrashingThread(const char* name, bool throwing, HANDLE go) : WorkerThread(name), m_throwing(throwing), m_go(go) {}

protected:
    void Run() override {
        WaitForSingleObject(m_go, INFINITE);
        if (m_throwing) {
            throw std::runtime_error("left the thread");
        }
        WriteUnmapped();
    }

private:
    bool m_throwing;
    HANDLE m_go;
};

int CrashInThreads(const std::string& mode) {
    HANDLE go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const bool two = mode == "twothreads";
    CrashingThread first(two ? "FirstThread" : "CheckUpdateThread", mode == "throw", go);
    CrashingThread second("SecondThread", false, go);
    first.Start();
    if (two) {
        second.Start();
    }
    first.WaitRunning(10000);
    second.WaitRunning(two ? 10000 : 0);
    SetEvent(go);
    // The reporter ends the process; getting here means it did not.
    first.Join(20000);
    second.Join(20000);
    return 3;
}

} // namespace

int main() {
    const vaultlet::CommandLine commandLine(GetCommandLineA());
    if (vaultlet::CrashReportMode::Enter(commandLine, Record)) {
        return 0;
    }
    const std::string mode = commandLine.Tokens().size() > 1 ? commandLine.Tokens()[1] : "";
    if (mode == "main") {
        // The copy goes through the program's clipboard keeper, as a copy from the main window does.
        const HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        vaultlet::SecretClipboard keeper(owner, 1);
        if (keeper.Copy(kSecretText)) {
            FaultHoldingSecret();
        }
    } else if (mode == "values") {
        FaultHoldingValues();
    } else if (mode == "data") {
        JumpIntoData();
    } else if (mode == "throw" || mode == "twothreads") {
        return CrashInThreads(mode);
    }
    return 2;
}

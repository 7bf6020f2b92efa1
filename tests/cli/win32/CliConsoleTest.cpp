// vaultlet-cli in a console window of its own: the password is typed into the console, which does
// not show it, and the console's input mode is as it was afterwards.
#include "tests/cli/CliBinary.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <thread>

using namespace vaultlet;

namespace {

using CliConsoleTest = test::CliBinaryTest;

// The program started with a new console; the test attaches to that console to read its screen and
// to type into it.
class ConsoleSession {
public:
    explicit ConsoleSession(const std::vector<std::string>& arguments) {
        std::string commandLine = "\"" + std::string(VAULTLET_CLI_PATH) + "\"";
        for (const std::string& argument : arguments) {
            commandLine += " \"" + argument + "\"";
        }
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        m_started = CreateProcessA(VAULTLET_CLI_PATH, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE,
                                   nullptr, nullptr, &startup, &m_process) != 0;
        if (!m_started) {
            return;
        }
        FreeConsole();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!AttachConsole(m_process.dwProcessId) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        m_input = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
        m_output = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    }
    ~ConsoleSession() {
        if (m_started) {
            if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(m_process.hProcess, 99);
            }
            CloseHandle(m_process.hProcess);
            CloseHandle(m_process.hThread);
        }
        for (HANDLE handle : {m_input, m_output}) {
            if (handle != INVALID_HANDLE_VALUE) {
                CloseHandle(handle);
            }
        }
        FreeConsole();
    }
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

    bool Attached() const { return m_started && m_input != INVALID_HANDLE_VALUE && m_output != INVALID_HANDLE_VALUE; }

    std::wstring Screen() const {
        CONSOLE_SCREEN_BUFFER_INFO info{};
        if (!GetConsoleScreenBufferInfo(m_output, &info)) {
            return {};
        }
        const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwCursorPosition.Y + 1);
        std::wstring text(cells, L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(m_output, text.data(), cells, COORD{0, 0}, &read);
        text.resize(read);
        return text;
    }

    bool WaitFor(const std::wstring& text) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (Screen().find(text) == std::wstring::npos) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    DWORD InputMode() const {
        DWORD mode = 0;
        GetConsoleMode(m_input, &mode);
        return mode;
    }

    void Type(const std::wstring& keys) const {
        std::vector<INPUT_RECORD> records;
        for (const wchar_t key : keys) {
            for (const BOOL down : {TRUE, FALSE}) {
                INPUT_RECORD record{};
                record.EventType = KEY_EVENT;
                record.Event.KeyEvent.bKeyDown = down;
                record.Event.KeyEvent.wRepeatCount = 1;
                record.Event.KeyEvent.wVirtualKeyCode = key == L'\r' ? VK_RETURN : 0;
                record.Event.KeyEvent.uChar.UnicodeChar = key;
                records.push_back(record);
            }
        }
        DWORD written = 0;
        WriteConsoleInputW(m_input, records.data(), static_cast<DWORD>(records.size()), &written);
    }

    int Finish() const {
        DWORD exitCode = 0;
        if (WaitForSingleObject(m_process.hProcess, 20000) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(m_process.hProcess, &exitCode)) {
            return -1;
        }
        return static_cast<int>(exitCode);
    }

private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HANDLE m_input = INVALID_HANDLE_VALUE;
    HANDLE m_output = INVALID_HANDLE_VALUE;
};

} // namespace

TEST_F(CliConsoleTest, ThePasswordIsTypedIntoTheConsoleWithoutEcho) {
    const std::string db = Path("console.kvtdat");
    {
        ConsoleSession session({"create", db, "--iterations", "1"});
        ASSERT_TRUE(session.Attached());
        const DWORD modeBefore = session.InputMode();
        ASSERT_TRUE(session.WaitFor(L"Password for the new database"));
        EXPECT_EQ(session.InputMode() & ENABLE_ECHO_INPUT, 0u);
        session.Type(L"s\u00e9cret\r");
        ASSERT_TRUE(session.WaitFor(L"Repeat the password: "));
        session.Type(L"s\u00e9cret\r");
        EXPECT_EQ(session.Finish(), 0);
        EXPECT_EQ(session.Screen().find(L"cret"), std::wstring::npos);
        EXPECT_EQ(session.InputMode(), modeBefore);
    }
    {
        // Output to a console window goes through the console's wide-character interface.
        ConsoleSession session({"ls", db});
        ASSERT_TRUE(session.Attached());
        ASSERT_TRUE(session.WaitFor(L"Password for"));
        session.Type(L"s\u00e9cret\r");
        EXPECT_EQ(session.Finish(), 0);
        EXPECT_NE(session.Screen().find(L"Network"), std::wstring::npos);
        EXPECT_NE(session.Screen().find(L"HomeBanking"), std::wstring::npos);
    }
    // The same text through a pipe opens it, whether a tool wrote it in UTF-8 or, as cmd's echo does, in
    // the console's code page (here a process without a console, which a console would start in the
    // OEM code page); the ANSI bytes themselves are no text to a console program.
    char oemByte = 0;
    ASSERT_EQ(WideCharToMultiByte(CP_OEMCP, 0, L"\u00e9", 1, &oemByte, 1, nullptr, nullptr), 1);
    ASSERT_NE(oemByte, '\xE9');
    for (const std::string& piped : {std::string("s\xC3\xA9"
                                                 "cret\n"),
                                     "s" + std::string(1, oemByte) + "cret\n"}) {
        const test::ProcessResult listed = Cli({"--password-stdin", "ls", db, "Software"}, piped);
        EXPECT_EQ(listed.status, 0) << listed.err;
    }
}

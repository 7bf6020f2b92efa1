// The password is read from the console (CONIN$) as UTF-16 with echo switched off and converted to
// the ANSI code page, the form in which the program hashes passwords, noting whether every character
// had bytes of its own there. A Ctrl+C or a closed console
// window puts the input mode back before the process ends.
#include "cli/SystemPasswordTerminal.h"

#include "core/SecureWipe.h"
#include "core/TextConversion.h"

#include <windows.h>

#include <array>

namespace vaultlet {
namespace {

// What the control handler needs; set while echo is off.
HANDLE g_consoleInput = INVALID_HANDLE_VALUE;
DWORD g_savedMode = 0;

BOOL WINAPI RestoreOnControl(DWORD) {
    if (g_consoleInput != INVALID_HANDLE_VALUE) {
        SetConsoleMode(g_consoleInput, g_savedMode);
    }
    return FALSE; // the default handling (ending the process) follows
}

class ConsoleHandle {
public:
    explicit ConsoleHandle(const char* name)
        : m_handle(CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr)) {}
    ~ConsoleHandle() {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    ConsoleHandle(const ConsoleHandle&) = delete;
    ConsoleHandle& operator=(const ConsoleHandle&) = delete;

    HANDLE Get() const noexcept { return m_handle; }

private:
    HANDLE m_handle;
};

class EchoOff {
public:
    EchoOff(HANDLE input, DWORD mode) : m_input(input), m_mode(mode) {
        g_savedMode = mode;
        g_consoleInput = input;
        SetConsoleCtrlHandler(RestoreOnControl, TRUE);
        const DWORD quiet = (mode | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT) & ~ENABLE_ECHO_INPUT;
        m_active = SetConsoleMode(input, quiet) != 0;
    }
    ~EchoOff() {
        SetConsoleMode(m_input, m_mode);
        SetConsoleCtrlHandler(RestoreOnControl, FALSE);
        g_consoleInput = INVALID_HANDLE_VALUE;
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

    bool Active() const noexcept { return m_active; }

private:
    HANDLE m_input;
    DWORD m_mode;
    bool m_active = false;
};

void WriteConsoleText(HANDLE output, std::string_view ansi) {
    const SecureU16String wide = AnsiToUtf16(ansi);
    DWORD written = 0;
    WriteConsoleW(output, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

// Reads up to the line end (the console ends lines with CR LF); false when the input ends first.
bool ReadLine(HANDLE input, SecureU16String& line) {
    std::array<wchar_t, 128> chunk{};
    for (;;) {
        DWORD got = 0;
        if (!ReadConsoleW(input, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr) || got == 0) {
            SecureWipe(chunk.data(), sizeof chunk);
            return false;
        }
        bool ended = false;
        for (DWORD i = 0; i < got && !ended; ++i) {
            ended = chunk[i] == L'\r' || chunk[i] == L'\n';
            if (!ended) {
                line.push_back(static_cast<char16_t>(chunk[i]));
            }
        }
        SecureWipe(chunk.data(), sizeof chunk);
        if (ended) {
            return true;
        }
    }
}

} // namespace

PasswordTerminal::Result SystemPasswordTerminal::ReadHidden(std::string_view prompt, EnteredPassword& secret) {
    secret.text.clear();
    const ConsoleHandle input("CONIN$");
    const ConsoleHandle output("CONOUT$");
    DWORD mode = 0;
    if (input.Get() == INVALID_HANDLE_VALUE || output.Get() == INVALID_HANDLE_VALUE ||
        !GetConsoleMode(input.Get(), &mode)) {
        return Result::NoTerminal;
    }
    SecureU16String line;
    bool read = false;
    {
        const EchoOff echoOff(input.Get(), mode);
        if (!echoOff.Active()) {
            return Result::NoTerminal;
        }
        WriteConsoleText(output.Get(), prompt);
        read = ReadLine(input.Get(), line);
    }
    WriteConsoleText(output.Get(), "\r\n");
    if (!read) {
        return Result::Ended;
    }
    secret.text = Utf16ToAnsi(line.Viewed());
    secret.exact = IsExactInAnsi(line.Viewed());
    return Result::Read;
}

} // namespace vaultlet

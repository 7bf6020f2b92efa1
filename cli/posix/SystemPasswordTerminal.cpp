// The password is read from /dev/tty in canonical mode with echo switched off, so line editing
// (backspace) still works. Until the old settings are back, the usual terminating signals restore
// them first, so an interrupted prompt never leaves the user's shell without echo.
#include "cli/SystemPasswordTerminal.h"

#include "core/SecureBytes.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace vaultlet {
namespace {

constexpr int kRestoringSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};
constexpr std::size_t kSignalCount = sizeof kRestoringSignals / sizeof kRestoringSignals[0];

// What the signal handler needs; written before the handlers are installed.
volatile sig_atomic_t g_terminalFd = -1;
termios g_savedSettings;
termios g_quietSettings;

// Puts the terminal back, then lets the signal's default action happen: the process ends, or (for
// Ctrl+Z) stops; when it is continued, echo goes off again and the prompt goes on.
extern "C" void RestoreAndReraise(int signalNumber) {
    const int savedErrno = errno;
    const int fd = g_terminalFd;
    if (fd >= 0) {
        ::tcsetattr(fd, TCSAFLUSH, &g_savedSettings);
    }
    struct sigaction defaultAction {};
    struct sigaction ours {};
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    ::sigaction(signalNumber, &defaultAction, &ours);
    sigset_t justThis;
    sigemptyset(&justThis);
    sigaddset(&justThis, signalNumber);
    ::raise(signalNumber);
    ::sigprocmask(SIG_UNBLOCK, &justThis, nullptr);
    ::sigaction(signalNumber, &ours, nullptr);
    if (fd >= 0) {
        ::tcsetattr(fd, TCSAFLUSH, &g_quietSettings);
    }
    errno = savedErrno;
}

void WriteAll(int fd, const char* text, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, text, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        text += written;
        size -= static_cast<std::size_t>(written);
    }
}

// Echo off from construction to destruction, with the signal handlers in place meanwhile.
class EchoOff {
public:
    explicit EchoOff(int fd) : m_fd(fd) {
        if (::tcgetattr(fd, &g_savedSettings) != 0) {
            return;
        }
        g_quietSettings = g_savedSettings;
        g_quietSettings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL);
        g_quietSettings.c_lflag |= ICANON;
        g_terminalFd = fd;
        struct sigaction action {};
        action.sa_handler = RestoreAndReraise;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kSignalCount; ++i) {
            ::sigaction(kRestoringSignals[i], &action, &m_previous[i]);
        }
        m_active = ::tcsetattr(fd, TCSAFLUSH, &g_quietSettings) == 0;
    }
    ~EchoOff() {
        if (g_terminalFd < 0) {
            return;
        }
        ::tcsetattr(m_fd, TCSAFLUSH, &g_savedSettings);
        for (std::size_t i = 0; i < kSignalCount; ++i) {
            ::sigaction(kRestoringSignals[i], &m_previous[i], nullptr);
        }
        g_terminalFd = -1;
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

    bool Active() const noexcept { return m_active; }

private:
    int m_fd;
    bool m_active = false;
    struct sigaction m_previous[kSignalCount] {};
};

class TerminalFile {
public:
    TerminalFile() : m_fd(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}
    ~TerminalFile() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    TerminalFile(const TerminalFile&) = delete;
    TerminalFile& operator=(const TerminalFile&) = delete;

    int Fd() const noexcept { return m_fd; }

private:
    int m_fd;
};

// Reads up to the line end; false when the input ends or fails first.
bool ReadLine(int fd, SecureString& secret) {
    SecureArray<256> chunk;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            chunk.Wipe();
            return false;
        }
        const auto* begin = reinterpret_cast<const char*>(chunk.data());
        const auto* end = begin + got;
        const auto* lineEnd = static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(got)));
        secret.append(begin, lineEnd != nullptr ? lineEnd : end);
        chunk.Wipe();
        if (lineEnd != nullptr) {
            return true;
        }
    }
}

} // namespace

PasswordTerminal::Result SystemPasswordTerminal::ReadHidden(std::string_view prompt, EnteredPassword& secret) {
    secret.text.clear();
    secret.exact = true; // the typed bytes are the password
    const TerminalFile terminal;
    if (terminal.Fd() < 0 || ::isatty(terminal.Fd()) == 0) {
        return Result::NoTerminal;
    }
    bool read = false;
    {
        const EchoOff echoOff(terminal.Fd());
        if (!echoOff.Active()) {
            return Result::NoTerminal;
        }
        WriteAll(terminal.Fd(), prompt.data(), prompt.size());
        read = ReadLine(terminal.Fd(), secret.text);
    }
    // The Enter key was not echoed; end the prompt's line.
    WriteAll(terminal.Fd(), "\n", 1);
    if (!read) {
        secret.text.clear();
        return Result::Ended;
    }
    return Result::Read;
}

} // namespace vaultlet

// vaultlet-cli on a real (pseudo-)terminal: the password is asked on it and not echoed, and the
// terminal is left as it was, also when the prompt is interrupted.
#include "tests/cli/CliBinary.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace vaultlet;

namespace {

using CliTerminalTest = test::CliBinaryTest;

// The program started on a new pseudo-terminal, as its controlling terminal and its standard
// streams, the way an interactive shell starts it.
class TerminalSession {
public:
    explicit TerminalSession(const std::vector<std::string>& arguments) {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(VAULTLET_CLI_PATH));
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        m_child = ::forkpty(&m_master, nullptr, nullptr, nullptr);
        if (m_child == 0) {
            ::execv(VAULTLET_CLI_PATH, argv.data());
            ::_exit(127);
        }
    }
    ~TerminalSession() {
        if (m_child > 0 && !m_ended) {
            ::kill(m_child, SIGKILL);
            ::waitpid(m_child, nullptr, 0);
        }
        if (m_master >= 0) {
            ::close(m_master);
        }
    }
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    bool Started() const { return m_child > 0 && m_master >= 0; }

    // Reads what the program shows until the text appears (true) or five seconds pass (false).
    bool WaitFor(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (m_screen.find(text) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            ReadSome(100);
        }
        return true;
    }

    void Type(const std::string& keys) {
        ASSERT_EQ(::write(m_master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    bool EchoIsOn() {
        termios settings{};
        return ::tcgetattr(m_master, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
    }

    // Collects the rest of the output and the way the program ended.
    int Finish() {
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (::waitpid(m_child, &status, WNOHANG) == 0) {
            ReadSome(50);
            if (std::chrono::steady_clock::now() > deadline) {
                return -1;
            }
        }
        while (ReadSome(50)) {
        }
        m_ended = true;
        return status;
    }

    const std::string& Screen() const { return m_screen; }

private:
    bool ReadSome(int timeoutMs) {
        pollfd poller{m_master, POLLIN, 0};
        if (::poll(&poller, 1, timeoutMs) <= 0 || (poller.revents & POLLIN) == 0) {
            return false;
        }
        char buffer[512];
        const ssize_t got = ::read(m_master, buffer, sizeof buffer);
        if (got <= 0) {
            return false;
        }
        m_screen.append(buffer, static_cast<std::size_t>(got));
        return true;
    }

    int m_master = -1;
    pid_t m_child = -1;
    bool m_ended = false;
    std::string m_screen;
};

} // namespace

TEST_F(CliTerminalTest, ThePasswordIsTypedOnTheTerminalWithoutEcho) {
    TerminalSession create({"create", Path("typed.kvtdat"), "--iterations", "1"});
    ASSERT_TRUE(create.Started());
    ASSERT_TRUE(create.WaitFor("Password for the new database \"" + Path("typed.kvtdat") + "\": ")) << create.Screen();
    EXPECT_FALSE(create.EchoIsOn());
    create.Type("hunter2 secret\n");
    ASSERT_TRUE(create.WaitFor("Repeat the password: ")) << create.Screen();
    create.Type("hunter2 secret\n");
    const int created = create.Finish();
    ASSERT_TRUE(WIFEXITED(created));
    EXPECT_EQ(WEXITSTATUS(created), 0) << create.Screen();
    EXPECT_EQ(create.Screen().find("hunter2"), std::string::npos) << create.Screen();
    EXPECT_TRUE(create.EchoIsOn());
    EXPECT_EQ(Cli({"--password-stdin", "ls", Path("typed.kvtdat")}, "hunter2 secret\n").status, 0);
}

TEST_F(CliTerminalTest, AnInterruptedPromptGivesTheEchoBack) {
    TerminalSession session({"ls", Path("any.kvtdat")});
    ASSERT_TRUE(session.WaitFor("Password for"));
    EXPECT_FALSE(session.EchoIsOn());
    session.Type("half a pass");
    session.Type("\x03"); // Ctrl+C
    const int status = session.Finish();
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGINT);
    EXPECT_TRUE(session.EchoIsOn());
}

#include "tests/support/ProcessRunner.h"

#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <windows.h>

namespace vaultlet::test {
namespace {

// One argument quoted so that the C runtime of the child splits it back exactly: backslashes double
// only before a quote or the closing quote.
void AppendQuoted(std::string& commandLine, const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
        commandLine += argument;
        return;
    }
    commandLine += '"';
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        commandLine.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        commandLine += c;
    }
    commandLine.append(2 * backslashes, '\\');
    commandLine += '"';
}

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : m_handle(handle) {}
    ~OwnedHandle() {
        if (m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr) {
            CloseHandle(m_handle);
        }
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE Get() const noexcept { return m_handle; }
    bool Valid() const noexcept { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }

private:
    HANDLE m_handle;
};

HANDLE OpenInheritable(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
    return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &attributes, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input) {
    const TempDir dir;
    ProcessResult result;
    if (!WriteFileBytes(dir.File("in"), input)) {
        return result;
    }
    {
        const OwnedHandle in(OpenInheritable(dir.File("in"), GENERIC_READ, OPEN_EXISTING));
        const OwnedHandle out(OpenInheritable(dir.File("out"), GENERIC_WRITE, CREATE_ALWAYS));
        const OwnedHandle err(OpenInheritable(dir.File("err"), GENERIC_WRITE, CREATE_ALWAYS));
        if (!in.Valid() || !out.Valid() || !err.Valid()) {
            return result;
        }
        std::string commandLine;
        AppendQuoted(commandLine, program);
        for (const std::string& argument : arguments) {
            commandLine += ' ';
            AppendQuoted(commandLine, argument);
        }
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = in.Get();
        startup.hStdOutput = out.Get();
        startup.hStdError = err.Get();
        PROCESS_INFORMATION process{};
        // No console: the program must not find a terminal to ask for a password.
        if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                            nullptr, &startup, &process)) {
            return result;
        }
        const OwnedHandle processHandle(process.hProcess);
        const OwnedHandle threadHandle(process.hThread);
        DWORD exitCode = 0;
        if (WaitForSingleObject(process.hProcess, INFINITE) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(process.hProcess, &exitCode)) {
            return result;
        }
        result.status = static_cast<int>(exitCode);
    }
    result.out = ReadFileBytes(dir.File("out"));
    result.err = ReadFileBytes(dir.File("err"));
    return result;
}

} // namespace vaultlet::test

#include "tests/support/ProcessRunner.h"

#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vaultlet::test {

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input) {
    // Files rather than pipes: no risk of a full pipe blocking either side.
    const TempDir dir;
    const std::string inPath = dir.File("in");
    const std::string outPath = dir.File("out");
    const std::string errPath = dir.File("err");
    ProcessResult result;
    if (!WriteFileBytes(inPath, input)) {
        return result;
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid(); // no controlling terminal: /dev/tty cannot be opened
        const int in = ::open(inPath.c_str(), O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) {
            ::_exit(127);
        }
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        return result;
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileBytes(outPath);
    result.err = ReadFileBytes(errPath);
    return result;
}

} // namespace vaultlet::test

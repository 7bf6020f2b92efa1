// vaultlet-cli: the command-line companion of the password manager.
#include "cli/CliApplication.h"
#include "cli/StandardStreamBuffer.h"
#include "cli/SystemPasswordTerminal.h"

#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    using namespace vaultlet;
    StandardStreamBuffer inputBuffer(StandardStream::Input);
    StandardStreamBuffer outputBuffer(StandardStream::Output);
    StandardStreamBuffer errorBuffer(StandardStream::Error);
    std::istream in(&inputBuffer);
    std::ostream out(&outputBuffer);
    std::ostream err(&errorBuffer);
    SystemPasswordTerminal terminal;
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    CliApplication application(in, out, err, terminal, FileSystem::Real());
    return application.Run(arguments);
}

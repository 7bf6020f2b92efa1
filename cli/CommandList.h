#pragma once

#include "cli/Command.h"

#include <memory>
#include <string_view>
#include <vector>

namespace vaultlet {

// Every command of vaultlet-cli, in the order of the help text.
class CommandList {
public:
    CommandList();

    // Null when there is no command of that name.
    Command* Find(std::string_view name) const noexcept;
    const std::vector<std::unique_ptr<Command>>& All() const noexcept { return m_commands; }

private:
    std::vector<std::unique_ptr<Command>> m_commands;
};

} // namespace vaultlet

#include "cli/CommandList.h"

#include "cli/AddCommand.h"
#include "cli/AuditCommand.h"
#include "cli/CreateCommand.h"
#include "cli/ExportCommand.h"
#include "cli/GenerateCommand.h"
#include "cli/ImportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/LsCommand.h"
#include "cli/MergeCommand.h"
#include "cli/PasswdCommand.h"
#include "cli/RmCommand.h"
#include "cli/SetCipherCommand.h"
#include "cli/ShowCommand.h"

namespace vaultlet {

CommandList::CommandList() {
    m_commands.push_back(std::make_unique<CreateCommand>());
    m_commands.push_back(std::make_unique<InfoCommand>());
    m_commands.push_back(std::make_unique<LsCommand>());
    m_commands.push_back(std::make_unique<ShowCommand>());
    m_commands.push_back(std::make_unique<AddCommand>());
    m_commands.push_back(std::make_unique<RmCommand>());
    m_commands.push_back(std::make_unique<PasswdCommand>());
    m_commands.push_back(std::make_unique<SetCipherCommand>());
    m_commands.push_back(std::make_unique<ExportCommand>());
    m_commands.push_back(std::make_unique<ImportCommand>());
    m_commands.push_back(std::make_unique<MergeCommand>());
    m_commands.push_back(std::make_unique<GenerateCommand>());
    m_commands.push_back(std::make_unique<AuditCommand>());
}

Command* CommandList::Find(std::string_view name) const noexcept {
    for (const auto& command : m_commands) {
        if (command->Syntax().name == name) {
            return command.get();
        }
    }
    return nullptr;
}

} // namespace vaultlet

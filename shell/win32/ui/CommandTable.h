#pragma once

#include "shell/win32/ui/CommandCodes.h"

#include <initializer_list>
#include <vector>

namespace vaultlet {

// Maps control and menu command ids to member functions of a dialog or window, so that command
// handling is a table rather than a long switch. An entry answers clicks, menu choices and
// accelerators unless it names another notification code.
template <typename Owner>
class CommandTable {
public:
    using Handler = void (Owner::*)();
    static constexpr int kClicked = -1;

    struct Entry {
        int id;
        Handler handler;
        int code = kClicked;
    };

    CommandTable(std::initializer_list<Entry> entries) : m_entries(entries) {}

    // Calls the handler of the command; false when the table has none.
    bool Dispatch(Owner& owner, int id, int code) const {
        for (const Entry& entry : m_entries) {
            if (entry.id == id && Matches(entry.code, code)) {
                (owner.*entry.handler)();
                return true;
            }
        }
        return false;
    }

private:
    static bool Matches(int wanted, int code) {
        return wanted == kClicked ? (code == kMenuCommandCode || code == kAcceleratorCommandCode) : wanted == code;
    }

    std::vector<Entry> m_entries;
};

} // namespace vaultlet

#pragma once

#include "shell/DatabaseFolders.h"
#include "shell/win32/ui/Dialog.h"
#include "tests/shell/PrivateSettingsTest.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace vaultlet::test {

// The interface text of a string id, as the windows under test show it (the language pack, which
// a test that chose a language may have loaded).
std::string Text(int id);

// The surroundings of a shell dialog under test: a private settings file, a program folder and a
// documents folder in a fresh temporary folder, no open database, update checks sent to a closed
// loopback port, message boxes answered by the test (every text and its MB_ flags are recorded;
// the answer is `answer`), and what the shell is asked to open recorded instead of opened.
class ShellGuiFixture : public PrivateSettingsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Folders for the database list: the program folder first, then the documents folder.
    DatabaseFolders Folders() const;
    std::string ProgramFile(const std::string& name) const;
    std::string DocumentsFile(const std::string& name) const;
    // Creates a database file (with few key iterations) and returns its path.
    std::string MakeDatabase(const std::string& path, const std::string& name, const std::string& password = "secret",
                             int cipherId = 1) const;

    std::vector<std::string> Messages() const;
    std::vector<UINT> MessageFlags() const;
    bool WaitForMessages(std::size_t count) const;
    void SetAnswer(int answer);
    // What the shell was asked to open, each "TARGET" or, for a program given parameters, "TARGET PARAMETERS".
    std::vector<std::string> Opened() const;

    // Runs the dialog on a thread of its own, lets `drive` work on its window (the first visible one
    // `isIt` accepts) and returns the dialog's result.
    static INT_PTR RunDialog(Dialog& dialog, const std::function<bool(HWND)>& isIt,
                             const std::function<void(HWND)>& drive);

private:
    mutable std::mutex m_lock;
    std::vector<std::string> m_messages;
    std::vector<UINT> m_flags;
    int m_answer = IDOK;
    std::vector<std::string> m_opened;
};

} // namespace vaultlet::test

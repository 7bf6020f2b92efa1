#pragma once

#include "tests/support/TempDir.h"

#include <windows.h>

#include <string>

namespace vaultlet::test {

// A passphrase prompt in a process of its own: the harness tests/harness/PassphrasePrompt.cpp,
// copied into a folder of its own under the given file name, so that the prompt's owner is a program
// of that name ("pageant.exe" for the real agent's prompt, anything else for a look-alike). The
// process is ended when this object goes.
class PromptProgram {
public:
    PromptProgram(const std::string& harness, const std::string& fileName, const std::string& keyName);
    ~PromptProgram();
    PromptProgram(const PromptProgram&) = delete;
    PromptProgram& operator=(const PromptProgram&) = delete;

    // The prompt and its passphrase box; null when the program did not show it.
    HWND Window() const noexcept { return m_window; }
    HWND Edit() const;
    // Makes the prompt the foreground window and waits until its passphrase box has the focus.
    bool BringToFront() const;
    // What the passphrase box holds (read with the wide messages, which work across processes).
    std::string EditText() const;

private:
    TempDir m_folder;
    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};

} // namespace vaultlet::test

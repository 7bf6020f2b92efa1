#pragma once

#include "shell/win32/system/SecretClipboard.h"
#include "shell/win32/ui/CommandTable.h"

#include <windows.h>

#include <memory>

namespace vaultlet {

class FrameHost;
class ModelNode;
class PaneSelection;

// How the main window puts a value on the clipboard (Copy, Copy Login, Copy Password, a double or
// middle click on a field) and opens an address, with the clipboard that clears itself after the
// countdown. The clipboard lives from Start() to Stop(): the secret goes with the window.
class CopyCommands {
public:
    CopyCommands(FrameHost& host, const PaneSelection& selection) : m_host(host), m_selection(selection) {}

    // The window exists: the clipboard's countdown runs on its timer `timerId`.
    void Start(UINT_PTR timerId);
    // Clears the clipboard when it still holds our copy.
    void Stop() { m_clipboard.reset(); }

    // Runs the command when it is one of these; false otherwise.
    bool Dispatch(int id, int code) { return kCommands.Dispatch(*this, id, code); }

    // A field's value or a node's name goes to the clipboard; null copies nothing.
    void Copy(const ModelNode* node);
    // A double click on a field in the list or the tree: a value is copied, an address opened.
    void OnDoubleClick(const ModelNode* node);
    // An address opens in the browser; anything else, or null, does nothing.
    void OpenLink(const ModelNode* node) const;
    // The window's message that carries a copy: true when `text` is the one this object is passing
    // and is now on the clipboard.
    bool OnPutClipboard(LPARAM text);

    void OnTimer() { m_clipboard->OnTimer(); }
    void ClearIfOurs() { m_clipboard->ClearIfOurs(); }
    // Seconds until the clipboard clears; 0 when no countdown runs.
    int SecondsLeft() const { return m_clipboard ? m_clipboard->SecondsLeft() : 0; }

private:
    void OnCopy();
    void OnCopyLogin();
    void OnCopyPassword();

    static const CommandTable<CopyCommands> kCommands;

    FrameHost& m_host;
    const PaneSelection& m_selection;
    std::unique_ptr<SecretClipboard> m_clipboard;
    // The text being passed in the window's message; nothing else is accepted.
    const char* m_passing = nullptr;
};

} // namespace vaultlet

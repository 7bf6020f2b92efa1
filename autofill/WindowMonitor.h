#pragma once

#include "autofill/AutofillOptions.h"
#include "autofill/InputSender.h"
#include "autofill/WindowSystem.h"
#include "autofill/WindowTemplateList.h"
#include "core/SecureString.h"

#include <functional>
#include <memory>

namespace vaultlet {

class Database;

// Makes the sender an auto-fill types through; the window given owns the clipboard while it is used.
using InputSenderFactory = std::function<std::unique_ptr<InputSender>(WindowHandle owner)>;

// Watches the foreground window for known passphrase prompts and types the matching key
// passphrase into them, at most once in a row per window. Driven by a timer of the caller on the
// user-interface thread.
class WindowMonitor {
public:
    WindowMonitor(WindowSystem& windows, InputSenderFactory senders, AutofillOptionsSource options);

    // Compiles the template's pattern case-insensitively and appends it; false (and left out) when
    // it does not compile.
    bool AddTemplate(const WindowTemplate& windowTemplate);
    // Adds WindowTemplateList::kBuiltIn in their order.
    void AddBuiltInTemplates();

    // The database searched for passphrases; null while none is open.
    void SetDatabase(const Database* database) noexcept { m_database = database; }

    // True when the foreground window or the focus window in its thread differs from the pair seen
    // last time; remembers the new pair.
    bool ForegroundChanged();
    // Recognises the window (its description, class and owning program), finds its passphrase and
    // types it. True when something was typed.
    bool CheckWindow(WindowHandle window);
    // One timer step: with a database open and a change of foreground or focus, checks the
    // foreground window against that database.
    bool CheckForeground(const Database* database);

    const SecureString& LastDescription() const noexcept { return m_lastDescription; }
    WindowHandle LastHandled() const noexcept { return m_lastHandled; }

private:
    WindowSystem& m_windows;
    InputSenderFactory m_senders;
    AutofillOptionsSource m_options;
    WindowTemplateList m_templates;
    const Database* m_database = nullptr;
    WindowHandle m_lastForeground = nullptr;
    WindowHandle m_lastFocus = nullptr;
    WindowHandle m_lastHandled = nullptr;
    SecureString m_lastDescription;
};

} // namespace vaultlet

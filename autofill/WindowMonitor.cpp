#include "autofill/WindowMonitor.h"

#include "autofill/AutofillEngine.h"
#include "autofill/KeyPassphraseSearch.h"

#include <utility>

namespace vaultlet {

WindowMonitor::WindowMonitor(WindowSystem& windows, InputSenderFactory senders, AutofillOptionsSource options)
    : m_windows(windows), m_senders(std::move(senders)), m_options(std::move(options)) {}

bool WindowMonitor::AddTemplate(const WindowTemplate& windowTemplate) {
    return m_templates.Add(windowTemplate);
}

void WindowMonitor::AddBuiltInTemplates() {
    for (const WindowTemplate& windowTemplate : WindowTemplateList::kBuiltIn) {
        AddTemplate(windowTemplate);
    }
}

bool WindowMonitor::ForegroundChanged() {
    const WindowHandle foreground = m_windows.ForegroundWindow();
    const WindowHandle focus = foreground != nullptr ? m_windows.FocusWindowOf(foreground) : nullptr;
    const bool changed = foreground != m_lastForeground || focus != m_lastFocus;
    m_lastForeground = foreground;
    m_lastFocus = focus;
    return changed;
}

bool WindowMonitor::CheckWindow(WindowHandle window) {
    if (window == m_lastHandled || !m_windows.Exists(window)) {
        return false;
    }
    m_lastDescription = m_windows.DescribeWindow(window);
    if (m_lastDescription.empty()) {
        return false;
    }
    SecureString keyName;
    if (!m_templates.Capture(m_lastDescription.Viewed(), m_windows.ClassOf(window), m_windows.ProgramOf(window),
                             keyName)) {
        return false;
    }
    // Handled from now on, even when no passphrase is found: the prompt is not examined again until
    // another recognised window has been.
    m_lastHandled = window;
    if (m_database == nullptr) {
        return false;
    }
    const SecureString passphrase = FindKeyPassphrase(*m_database, keyName.Viewed());
    if (passphrase.empty()) {
        return false;
    }
    const std::unique_ptr<InputSender> sender = m_senders(window);
    if (!sender) {
        return false;
    }
    AutofillEngine engine(*sender, m_options);
    if (!engine.PrepareText(passphrase.Viewed())) {
        return false;
    }
    engine.Send(window);
    return true;
}

bool WindowMonitor::CheckForeground(const Database* database) {
    if (database == nullptr || !ForegroundChanged()) {
        return false;
    }
    SetDatabase(database);
    return CheckWindow(m_lastForeground);
}

} // namespace vaultlet

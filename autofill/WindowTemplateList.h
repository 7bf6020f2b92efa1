#pragma once

#include "autofill/TemplateRegex.h"
#include "core/SecureString.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vaultlet {

// A known prompt window: the pattern that recognises it by its WindowDescription, and who must own
// it. The description is text any program can shape (a web page sets its window's title), so a
// match counts only for a top-level window of the template's class whose process runs one of the
// template's programs.
struct WindowTemplate {
    std::string_view pattern;
    // The class of the top-level window, compared without regard to letter case as the system does.
    std::string_view windowClass;
    // File names of the executables whose windows the template may recognise, without folders.
    std::span<const std::string_view> programs;
};

// The patterns that recognise known prompt windows. Each is compiled case-insensitively; its first
// non-empty match group is the text it captures (a key name).
class WindowTemplateList {
public:
    // The PuTTY agent's executable; and the Qt pinentry of Gpg4win under each name it has shipped
    // with ("pinentry.exe" is the default pinentry, the Qt one since Gpg4win 3).
    static constexpr std::string_view kPageantPrograms[] = {"pageant.exe"};
    static constexpr std::string_view kPinentryPrograms[] = {"pinentry.exe", "pinentry-qt.exe", "pinentry-qt5.exe",
                                                             "pinentry-qt4.exe"};

    // Pageant asking for a key's passphrase, and a Qt pinentry asking for an OpenPGP passphrase.
    // Both match from the first character of the description on, and the captured key name is one
    // field: it cannot run over the ":" between a window's class and text or between windows.
    static constexpr WindowTemplate kBuiltIn[] = {
        {"^#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:Static:{[^:]+}:Edit:FOCUSED::"
         "Button:O&K:Button:&Cancel",
         "#32770", kPageantPrograms},
        {"^QWidget:FOCUSED:{[^:]+}: OpenPGP Passphrase", "QWidget", kPinentryPrograms},
    };

    // Compiles and appends the template; one that does not compile is left out (false).
    bool Add(const WindowTemplate& windowTemplate);
    std::size_t Count() const noexcept { return m_templates.size(); }

    // Matches the description of a window of the given class and program against every template
    // for that class and program, in order. Each matching template that has a non-empty group
    // replaces the captured text with its first non-empty group, so the last such template wins.
    // False when nothing was captured.
    bool Capture(std::string_view description, std::string_view windowClass, std::string_view program,
                 SecureString& captured) const;

private:
    struct Entry {
        TemplateRegex regex;
        std::string windowClass;
        std::vector<std::string> programs;

        bool Accepts(std::string_view windowClass, std::string_view program) const;
    };

    std::vector<Entry> m_templates;
};

} // namespace vaultlet

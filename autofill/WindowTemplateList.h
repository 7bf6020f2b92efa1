#pragma once

#include "autofill/TemplateRegex.h"
#include "core/SecureString.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace vaultlet {

// The patterns that recognise known prompt windows by their WindowDescription. Each is compiled
// case-insensitively; its first non-empty match group is the text it captures (a key name).
class WindowTemplateList {
public:
    // Pageant asking for a key's passphrase, and a Qt window asking for an OpenPGP passphrase.
    static constexpr std::string_view kBuiltInPatterns[] = {
        "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:Static:{.+}:Edit:FOCUSED::Button:O&K:"
        "Button:&Cancel",
        "QWidget:FOCUSED:{.+}: OpenPGP Passphrase",
    };

    // Compiles and appends the pattern; one that does not compile is left out (false).
    bool Add(std::string_view pattern);
    std::size_t Count() const noexcept { return m_templates.size(); }

    // Matches the description against every template in order. Each matching template that has a
    // non-empty group replaces the captured text with its first non-empty group, so the last such
    // template wins. False when nothing was captured.
    bool Capture(std::string_view description, SecureString& captured) const;

private:
    std::vector<TemplateRegex> m_templates;
};

} // namespace vaultlet

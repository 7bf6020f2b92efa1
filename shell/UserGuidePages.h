#pragma once

#include <string_view>

namespace vaultlet::user_guide {

// The guide's first page: the main window's F1 and Help > "User Guide..." open the guide there.
inline constexpr std::string_view kStartPage = "index.html";

// The guide's page (a file of docs/guide/, with an anchor where the dialog has a part of a page) that F1
// opens in the dialog with this template id; the start page for a template without one. A new dialog adds
// its line to the table in the source file.
std::string_view PageOfDialog(int dialogTemplateId);

} // namespace vaultlet::user_guide

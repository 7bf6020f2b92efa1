#pragma once

#include "core/SecureString.h"

#include <string_view>

namespace vaultlet {

// A node's comment as the note pane's edit control needs it and back. The model keeps line feeds
// (the file's own line ends); the edit control breaks lines only at CR LF.
namespace note_text {

// Every line feed not already preceded by a carriage return becomes CR LF.
SecureString ToEdit(std::string_view comment);
// Every CR LF becomes a line feed; other characters stay as they are.
SecureString FromEdit(std::string_view edited);

} // namespace note_text
} // namespace vaultlet

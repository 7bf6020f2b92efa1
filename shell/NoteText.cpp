#include "shell/NoteText.h"

namespace vaultlet::note_text {

SecureString ToEdit(std::string_view comment) {
    SecureString text;
    text.reserve(comment.size() + comment.size() / 8);
    for (std::size_t i = 0; i < comment.size(); ++i) {
        if (comment[i] == '\n' && (i == 0 || comment[i - 1] != '\r')) {
            text.push_back('\r');
        }
        text.push_back(comment[i]);
    }
    return text;
}

SecureString FromEdit(std::string_view edited) {
    SecureString text;
    text.reserve(edited.size());
    for (std::size_t i = 0; i < edited.size(); ++i) {
        if (edited[i] == '\r' && i + 1 < edited.size() && edited[i + 1] == '\n') {
            continue;
        }
        text.push_back(edited[i]);
    }
    return text;
}

} // namespace vaultlet::note_text

#pragma once

namespace vaultlet {

class ModelNode;

// What a copy command of the main window puts on the clipboard: the node whose text goes there (a
// field's value, any other node's name; the main window's copy turns the node into its text).
enum class CopyWhat {
    // Edit > Copy (Ctrl+C): a field itself; a passcard's first password field when it has one, else
    // its name; a group's or the database's name.
    Selection,
    // Copy Login and Copy Password: the first field of that type of the passcard, or of the passcard
    // that holds the field; nothing for a group or the database.
    Login,
    Password,
};

// The node to copy for the selected node; null when there is nothing to copy.
const ModelNode* CopySource(const ModelNode* selected, CopyWhat what);

// A double click on a field (a row of the item list, or a field in the compact layout's tree) copies
// its value, except for an address, whose double click opens it as a link.
bool DoubleClickCopies(const ModelNode* node);

} // namespace vaultlet

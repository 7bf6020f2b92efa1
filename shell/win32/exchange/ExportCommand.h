#pragma once

#include <windows.h>

#include <functional>

namespace vaultlet {

class ModelNode;

// The node that "Export Item" writes: the main window's selection at the moment it is asked (null
// when nothing is selected). It is asked before the file dialog and again after it.
using SelectedNode = std::function<const ModelNode*()>;

// "Export Database...": the open database (CurrentDatabase) in the format whose filter the user
// picks in the save-file dialog, owned by `owner`. The file is not encrypted: before it is written
// the user is told so and may cancel, and afterwards where it was written (or that it could not
// be). Nothing happens when no database is open, when a dialog is cancelled, or when the open
// database was replaced while a dialog was up.
void ExportDatabaseCommand(HWND owner);

// "Export Item...": as above for the selected node alone. Nothing happens without a selection, or
// when after the dialogs the selection is not the same node of the same database any more.
void ExportItemCommand(HWND owner, const SelectedNode& selection);

} // namespace vaultlet

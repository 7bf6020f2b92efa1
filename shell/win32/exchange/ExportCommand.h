#pragma once

#include <windows.h>

#include <functional>

namespace vaultlet {

class ModelNode;

// The node that "Export Item" writes: the main window's selection at the moment it is asked (null
// when nothing is selected). It is asked before the file dialog and again after it.
using SelectedNode = std::function<const ModelNode*()>;

// "Export Database...": the open database (CurrentDatabase) in the format whose filter the user
// picks in the save-file dialog, owned by `owner`. Nothing happens when no database is open, when
// the dialog is cancelled, or when the open database was replaced while the dialog was up. Success
// is silent; a file that could not be written is reported with its name.
void ExportDatabaseCommand(HWND owner);

// "Export Item...": as above for the selected node alone. Nothing happens without a selection, or
// when after the dialog the selection is not the same node of the same database any more.
void ExportItemCommand(HWND owner, const SelectedNode& selection);

} // namespace vaultlet

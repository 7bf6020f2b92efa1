#pragma once

#include <windows.h>

namespace vaultlet {

class ModelNode;

// Dragging a passcard or an item out of the main window onto another program's window fills it:
// the passcard's auto-type template, or the item's value, goes into the control under the pointer.
class DropFill {
public:
    // The top-level window under the screen point that the node would fill, or null: none for the
    // taskbar, the desktop, a window of this program, or a node that fills nothing.
    static HWND FindTarget(const ModelNode& node, POINT screen);
    // Clicks where the pointer is, which focuses the control under it, then types. Nothing is typed
    // when the click did not bring the target to the front. A passcard keeps the target's
    // description, which marks the database modified.
    static void Fill(ModelNode& node, HWND target);
};

} // namespace vaultlet

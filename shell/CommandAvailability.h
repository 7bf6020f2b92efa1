#pragma once

#include "core/NodeKind.h"

#include <optional>

namespace vaultlet {

// Whether each command of the main window is enabled and checked: a plain function of what is
// selected and which views are on, so menus and toolbar agree and tests can go through every case.
struct FrameState {
    // The node that Copy and the editing commands would act on (the list's row when the list has
    // the focus, else the tree's selection); none when nothing is selected.
    std::optional<NodeKind> selected;
    // The selected node is a bookmarked passcard.
    bool bookmarked = false;
    // The selected node is, or lies in, a passcard with a login field; with a password field.
    bool hasLogin = false;
    bool hasPassword = false;
    bool noteFocused = false;
    bool toolbarShown = true;
    bool statusBarShown = true;
    bool keepOnTop = false;
    bool compact = false;
};

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

CommandState CommandStateOf(int commandId, const FrameState& state);

} // namespace vaultlet

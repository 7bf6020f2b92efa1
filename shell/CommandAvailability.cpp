#include "shell/CommandAvailability.h"

#include "resources/resource.h"

namespace vaultlet {

CommandState CommandStateOf(int commandId, const FrameState& state) {
    switch (commandId) {
    case ID_EDIT_COPY:
        return {state.selected.has_value(), false};
    case ID_EDIT_COPY_LOGIN:
        return {state.hasLogin, false};
    case ID_EDIT_COPY_PASSWORD:
        return {state.hasPassword, false};
    case ID_EDIT_NEW_LOGIN:
        // In the selected group, or the group of the selected passcard or field.
        return {state.selected.has_value() && *state.selected != NodeKind::Database, false};
    case ID_EDIT_EXPORT_ITEM:
    case ID_EDIT_PRINT_ITEM:
        return {state.selected.has_value(), false};
    case ID_EDIT_ADD_GROUP:
        return {state.selected == NodeKind::Database, false};
    case ID_EDIT_ADD_PASSCARD:
        return {state.selected == NodeKind::Group, false};
    case ID_EDIT_ADD_ITEM:
        return {state.selected == NodeKind::Passcard, false};
    case ID_EDIT_ADD:
    case ID_EDIT_EDIT:
        return {state.selected.has_value(), false};
    case ID_EDIT_DELETE:
        return {state.selected.has_value() && *state.selected != NodeKind::Database, false};
    case ID_EDIT_DUPLICATE:
        return {state.selected == NodeKind::Group || state.selected == NodeKind::Passcard, false};
    case ID_BOOKMARKS_ADD:
        return {state.selected == NodeKind::Passcard && !state.bookmarked, false};
    case ID_BOOKMARKS_REMOVE:
        return {state.selected == NodeKind::Passcard && state.bookmarked, false};
    case ID_EDIT_SELECT_ALL:
        return {state.noteFocused, false};
    case ID_VIEW_TOOLBAR:
        return {true, state.toolbarShown};
    case ID_VIEW_STATUS_BAR:
        return {true, state.statusBarShown};
    case ID_VIEW_COMPACT_MODE:
        return {true, state.compact};
    case ID_VIEW_ALWAYS_ON_TOP:
        return {true, state.keepOnTop};
    default:
        return {true, false};
    }
}

} // namespace vaultlet

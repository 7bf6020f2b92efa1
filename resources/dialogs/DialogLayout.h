// Layout shared by the dialog templates, in dialog units. Every dialog of resources/dialogs/ includes
// this file so that margins, buttons and header bands look the same everywhere.
#pragma once

#define VL_FONT_SIZE 8
#define VL_FONT_NAME "MS Shell Dlg"

// Space between the dialog's edge and its controls, and between related controls.
#define VL_MARGIN 7
#define VL_GAP 4

// Push buttons, and the square buttons with a picture beside an edit field.
#define VL_BUTTON_WIDTH 50
#define VL_BUTTON_HEIGHT 14
#define VL_ICON_BUTTON 14

#define VL_EDIT_HEIGHT 14
#define VL_LABEL_HEIGHT 8
#define VL_LINK_HEIGHT 10

// The white band with the title and description lines across the top of a dialog.
#define VL_HEADER_HEIGHT 32
#define VL_HEADER_CLASS "VaultletHeaderBand"
#define VL_LINK_CLASS "VaultletLink"

// The usual frame of a modal dialog.
#define VL_DIALOG_STYLE DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU

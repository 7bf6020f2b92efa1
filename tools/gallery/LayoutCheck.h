#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vaultlet::gallery {

// What the Windows tests ask of every window of the gallery at each display scaling: the text of
// each control fits the control, measured with the control's own font the way the control draws it
// (static texts and links, push buttons, check boxes, radio buttons, group boxes, tab strips, list
// headers, status bar panes, and the height of single-line edit boxes); no control reaches outside
// its parent's client area (a window outside the screen); and no control overlaps a sibling, except
// what lies wholly inside a group box, a tab control or a frame, and an up-down control beside its
// edit box. Hidden controls are not looked at.
//
// Returns one line per fault, naming the control; none when the layout is right.
std::vector<std::string> CheckLayout(HWND window);

// The window is the program's own, not one the system lays out (a file dialog, a message box).
bool IsOwnWindow(HWND window);

} // namespace vaultlet::gallery

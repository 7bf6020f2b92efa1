#pragma once

namespace vaultlet {

// The notification codes of WM_COMMAND (the high word of wParam) from the two senders that are not
// controls, which windows.h does not name. A menu choice shares 0 with BN_CLICKED.
constexpr int kMenuCommandCode = 0;
constexpr int kAcceleratorCommandCode = 1;

} // namespace vaultlet

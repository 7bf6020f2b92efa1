#pragma once

#include <windows.h>

namespace vaultlet {

// Whether the text a control holds comes through the conversion to the system's code page
// unchanged. Edit controls keep and show what the user typed in Unicode; the program's narrow text
// would hold a character the code page lacks as "?" or as a look-alike letter, without a word.
// Every field whose text is stored is checked before it is taken: what is stored is exactly what
// the user typed, or nothing.
bool IsTextExactInCodePage(HWND control);

} // namespace vaultlet

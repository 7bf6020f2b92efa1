// A single-byte ANSI code page folds its own letters as the system lower-cases them; a double-byte
// one only ASCII, since a lead or trail byte on its own is no character.
#include "core/CaseFolding.h"

#include <windows.h>

namespace vaultlet {
namespace {

CaseFolding FoldingOfCodePage() {
    CaseFolding folding;
    CPINFO info{};
    if (GetCPInfo(CP_ACP, &info) == FALSE || info.MaxCharSize != 1) {
        return folding;
    }
    for (unsigned int byte = 0x80; byte <= 0xFF; ++byte) {
        char text[1] = {static_cast<char>(byte)};
        CharLowerBuffA(text, 1);
        folding.SetLower(static_cast<unsigned char>(byte), static_cast<unsigned char>(text[0]));
    }
    return folding;
}

} // namespace

const CaseFolding& CaseFolding::Ansi() {
    static const CaseFolding folding = FoldingOfCodePage();
    return folding;
}

} // namespace vaultlet

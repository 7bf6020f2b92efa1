// Outside Windows the narrow text is UTF-8: only its ASCII letters fold byte by byte.
#include "core/CaseFolding.h"

namespace vaultlet {

const CaseFolding& CaseFolding::Ansi() {
    static const CaseFolding ascii;
    return ascii;
}

} // namespace vaultlet

#pragma once

#include <string>

namespace vaultlet {

// The name of the global atom that identifies a global hot-key registration: eight draws of the
// thread's GeneratorRandom, each modulo 65535, as "%04X-%04X-%04X-%04X-%04X-%04X-%04X-%04X".
std::string HotKeyAtomName();

} // namespace vaultlet

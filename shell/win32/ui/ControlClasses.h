#pragma once

namespace vaultlet {

// Registers the program's own control classes (header band, link) once per process, before the
// first dialog that uses them is created. Called by Dialog; safe to call again.
void RegisterControlClasses();

} // namespace vaultlet

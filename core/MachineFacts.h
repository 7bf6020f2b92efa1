#pragma once

namespace vaultlet {

class Md5;

// Feeds the hash with facts of this machine and this moment: on Windows the volume names, file
// systems and serial numbers of the fixed drives, the tick count, the process id and the cursor
// position; elsewhere their nearest equivalents.
void AddMachineFacts(Md5& hash);

} // namespace vaultlet

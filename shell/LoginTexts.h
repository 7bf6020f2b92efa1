#pragma once

#include "core/LoadResult.h"

#include <string>

namespace vaultlet {

// The message a failed login shows, by what went wrong: a wrong password asks for it again, a file
// that is not a database (or uses an unknown cipher) says so, and a file that cannot be opened or
// read says that instead, so nobody keeps retyping a correct password.
int LoadFailureMessage(LoadResult result);

// The version as the login dialog and the About box show it: "v1.2.3" (major, minor, build), or
// "v1.2" when the build number is 0.
std::string VersionLabel(int major, int minor, int build);

} // namespace vaultlet

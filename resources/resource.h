#pragma once

// Every numeric resource id of the program. String ids live in StringIds.h so portable code can
// use them without this file.
#include "resources/StringIds.h"

#define IDR_MANIFEST 1
#define IDI_PROGRAM 128

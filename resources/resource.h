#pragma once

// Every numeric resource id of the program. String ids live in StringIds.h so portable code can
// use them without this file.
#include "resources/StringIds.h"

#define IDR_MANIFEST 1
#define IDI_PROGRAM 128

// Raw resources read by the program itself.
#define IDR_DEFAULT_LANGUAGE 254 // type "XML": the built-in vaultlet_lang.xml
#define IDR_EXPORT_STYLESHEET 281 // type "CSS": the stylesheet of the HTML export page

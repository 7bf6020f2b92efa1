#pragma once

#include <string_view>
#include <vector>

namespace vaultlet {

// The program's built-in English string table, the same texts the resource script compiles into
// its STRINGTABLE (both come from resources/BuiltinStrings.def). Portable code and the
// command-line tool read it here; language packs fall back to it.
class BuiltinStringTable {
public:
    // The text of id, or nullptr when the table has none.
    static const char* Find(int id);
    // Every id of the table, ascending.
    static std::vector<int> Ids();
};

} // namespace vaultlet

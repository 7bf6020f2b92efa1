#pragma once

#include "core/EncryptedDatabase.h"

#include <functional>
#include <string>

namespace vaultlet::test {

// Writes a new database file with the default groups. The iteration count is kept small so tests
// that open the file stay fast; the header is that of any other database.
bool MakeDatabaseFile(const std::string& path, const std::string& name, const std::string& password = "secret",
                      int cipherId = 1, unsigned keyIterations = 50);

// The comment of the database in the file, read with the password. Reading a file clears the
// process-wide modified flag; this leaves the flag as it was, so a test can check it afterwards.
std::string CommentOnDisk(const std::string& path, const std::string& password = "secret");

// Another copy of the program changes the file: it opens it with the password, applies `change`
// and saves. The modified flag stays as it was.
bool ChangeDatabaseFile(const std::string& path, const std::function<void(EncryptedDatabase&)>& change,
                        const std::string& password = "secret");

} // namespace vaultlet::test

// Opening arbitrary bytes as a database file must never crash or hang, and ProbeFile must agree
// with Load about the header. Half of the runs wrap the input as the plaintext of a properly
// encrypted file, so the decryption and document paths get the arbitrary bytes too.
#include "core/EncryptedDatabase.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/ReferenceDatabaseFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr std::uint32_t kIterationLimit = 16;
constexpr const char* kPath = "fuzz.kvtdat";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vaultlet;
    if (size == 0) {
        return 0;
    }
    test::MemoryFileSystem fileSystem;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        fileSystem.files[kPath] = input;
    } else {
        test::ReferenceFile file;
        file.documentText = input;
        file.name = "Fuzz";
        file.cipherId = data[0] / 2 % 4;
        file.iterations = 1 + data[0] / 8 % 4;
        file.extraIterations = 0;
        file.password = "pw";
        fileSystem.files[kPath] = test::WriteReferenceFile(file);
    }

    std::string name;
    int cipherId = 0;
    const bool probed = ProbeFile(kPath, name, cipherId, fileSystem);
    EncryptedDatabase database(fileSystem);
    database.SetIterationLimit(kIterationLimit);
    database.SetPassword("pw");
    const LoadResult result = database.Load(kPath);
    if (result == LoadResult::Loaded && (!probed || cipherId != database.CipherId())) {
        std::abort();
    }
    return 0;
}

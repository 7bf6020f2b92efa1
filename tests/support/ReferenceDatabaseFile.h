#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vaultlet::test {

// A second, deliberately plain implementation of the database file format, written from its
// description and sharing no code with EncryptedDatabase beyond the ciphers and hashes: one key
// set-up per block and per candidate, streaming hashes only. Files of either must open in the other.
// The benchmarks use its reader as the sequential baseline.
struct ReferenceFile {
    std::string documentText; // UTF-8 XML, without the terminating zero
    std::string name;         // narrow text in the system code page
    int cipherId = 1;
    std::uint32_t iterations = 100000;
    std::uint32_t extraIterations = 0; // r
    std::string password;
};

std::string WriteReferenceFile(const ReferenceFile& file);

struct ReferenceOpenResult {
    int result = 0; // the LoadResult number
    std::string documentText;
    std::uint32_t extraIterations = 0;
};

// Opens the bytes of a file the straightforward way (no threads, key set-up per block).
ReferenceOpenResult ReadReferenceFile(const std::string& bytes, const std::string& password);

} // namespace vaultlet::test

#pragma once

#include <string>
#include <vector>

namespace vaultlet::test {

struct ProcessResult {
    int status = -1; // the exit status; -1 when the program did not end by itself
    std::string out;
    std::string err;
};

// Runs a program with the arguments, the bytes of `input` as its standard input, and no terminal (a
// session of its own on POSIX systems, no console on Windows), and waits for it to end. Output and
// error are collected in full. One implementation per platform.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input);

} // namespace vaultlet::test

#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

namespace vaultlet {

// The instruction set of the window-template matcher. Jump targets are relative to the instruction
// that holds them, so the compiler can splice compiled pieces together without relocating them.
enum class TemplateOp : std::uint8_t {
    Char,          // a: the byte that must come next
    Any,           // any byte (not the end of the input)
    Set,           // a: index of the 256-bit set the next byte must be in
    Split,         // continue at +a; on failure come back and continue at +b
    Jump,          // continue at +a
    GroupStart,    // a: match group number; records the start, forgets an earlier end
    GroupEnd,      // a: match group number; records the end
    BackReference, // a: match group number whose captured text must come next
    EndOfInput,    // succeeds only at the end of the input
    NotBegin,      // a: offset just past the matching NotEnd; starts a negated piece
    NotEnd,        // the negated piece matched, so the negation fails
    Match,         // the whole pattern matched
};

struct TemplateInstruction {
    TemplateOp op = TemplateOp::Match;
    std::int32_t a = 0;
    std::int32_t b = 0;
};

// A compiled pattern: the instructions, the character sets they refer to, the number of match
// groups and whether the match may start only at the beginning of the input.
struct TemplateProgram {
    std::vector<TemplateInstruction> code;
    std::vector<std::bitset<256>> sets;
    int groupCount = 0;
    bool anchored = false;

    void Clear() {
        code.clear();
        sets.clear();
        groupCount = 0;
        anchored = false;
    }
};

} // namespace vaultlet

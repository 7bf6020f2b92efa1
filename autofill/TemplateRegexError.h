#pragma once

namespace vaultlet {

// Compilation results of a window-template pattern. Any value but Success makes the pattern
// unusable; the numbers are fixed because callers and tests know them.
enum TemplateRegexError : int {
    kTemplateSuccess = 0,
    kTemplateOutOfMemory = 1,        // memory exhausted (or nesting too deep to compile safely)
    kTemplateUnclosedMatchGroup = 2, // "{" without "}"
    kTemplateUnclosedGroup = 3,      // "(" without ")"
    kTemplateUnclosedSet = 4,        // "[" without "]", or a range "-" with nothing after it
    kTemplateBadAbbreviation = 5,    // a backslash abbreviation whose expansion did not compile
    kTemplateEmptySet = 6,           // "[]" or "[^]"
    kTemplateBadBackReference = 7,   // a back-reference to a match group not opened before it
    kTemplateBadRange = 8,           // a range whose last character is below its first
    kTemplateEmptyRepetition = 9,    // "*" or "+" on something that can match the empty text
    kTemplateNoPattern = 10,         // no pattern given
};

} // namespace vaultlet

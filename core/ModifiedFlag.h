#pragma once

namespace vaultlet {

// The process-wide "unsaved changes" flag. Model changes raise it; writing or reading a database
// document clears it; the save prompts consult it.
class ModifiedFlag {
public:
    static void Raise() noexcept;
    static void Clear() noexcept;
    static bool IsRaised() noexcept;
};

} // namespace vaultlet

#pragma once

namespace vaultlet {

// The process-wide "unsaved changes" flag. Model changes raise it; writing or reading a database
// document clears it; the save prompts consult it.
class ModifiedFlag {
public:
    static void Raise() noexcept;
    static void Clear() noexcept;
    static bool IsRaised() noexcept;

    // Puts the flag back as it was when the scope began: for code that builds trees of its own
    // (copies, merge results) without changing anything the user has open.
    class Preserved {
    public:
        Preserved() noexcept : m_raised(IsRaised()) {}
        ~Preserved() { m_raised ? Raise() : Clear(); }
        Preserved(const Preserved&) = delete;
        Preserved& operator=(const Preserved&) = delete;

    private:
        bool m_raised;
    };
};

} // namespace vaultlet

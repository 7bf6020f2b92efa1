#pragma once

#include <cstdint>

namespace vaultlet {

// The process-wide "unsaved changes" flag. Model changes raise it; writing or reading a database
// document clears it; the save prompts consult it.
class ModifiedFlag {
public:
    // Told after each Raise and Clear, on the thread that made it, so it must be quick and must not
    // touch the model: a window posts itself a message and looks at the flag when that arrives.
    using Listener = void (*)(void* context) noexcept;

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
    // How often Raise has been called: tells a new change from a flag that merely stayed raised.
    static std::uint64_t Raises() noexcept;
    // One listener at a time; null removes it. `context` must stay valid until it is removed.
    static void SetListener(Listener listener, void* context) noexcept;
};

} // namespace vaultlet

#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace vaultlet {

// The process-wide set of window descriptions that passcards carry as their windowID. A plain set:
// no order and no counts, so a destroyed passcard withdraws its value even when another passcard
// carries the same one.
class WindowIdRegistry {
public:
    static WindowIdRegistry& Instance();

    bool IsRegistered(std::string_view windowId) const;
    // Adds the text if it is non-empty and not yet present.
    void Register(std::string_view windowId);
    void Unregister(std::string_view windowId);
    void Reset();

private:
    WindowIdRegistry() = default;

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_set<std::string, Hash, std::equal_to<>> m_ids;
};

} // namespace vaultlet

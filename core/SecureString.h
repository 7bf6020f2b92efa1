#pragma once

#include "core/SecureWipe.h"
#include "core/WipingAllocator.h"

#include <string>
#include <string_view>

namespace vaultlet {

// A string that wipes its characters when it is destroyed or reallocated: heap buffers through the
// allocator, the in-object small-string buffer in the destructor. It is move-only so a secret is
// never duplicated by accident; copy explicitly with Copy() where a second instance is meant.
template <typename CharT>
class SecureBasicString : public std::basic_string<CharT, std::char_traits<CharT>, WipingAllocator<CharT>> {
    using Base = std::basic_string<CharT, std::char_traits<CharT>, WipingAllocator<CharT>>;

public:
    using Base::Base;
    using View = std::basic_string_view<CharT>;

    SecureBasicString() noexcept = default;
    explicit SecureBasicString(View text) : Base(text.data(), text.size()) {}
    SecureBasicString(const CharT* text) : Base(text) {}
    SecureBasicString(SecureBasicString&&) noexcept = default;
    SecureBasicString& operator=(SecureBasicString&&) noexcept = default;
    SecureBasicString(const SecureBasicString&) = delete;
    SecureBasicString& operator=(const SecureBasicString&) = delete;

    ~SecureBasicString() { SecureWipe(this->data(), (this->capacity() + 1) * sizeof(CharT)); }

    SecureBasicString& operator=(View text) {
        this->assign(text.data(), text.size());
        return *this;
    }

    View Viewed() const noexcept { return View(this->data(), this->size()); }
    SecureBasicString Copy() const { return SecureBasicString(Viewed()); }

    // Comparisons with every kind of text, so the allocator difference never gets in the way.
    friend bool operator==(const SecureBasicString& a, const SecureBasicString& b) noexcept {
        return a.Viewed() == b.Viewed();
    }
    friend bool operator==(const SecureBasicString& a, const CharT* b) noexcept { return a.Viewed() == View(b); }
    friend bool operator==(const SecureBasicString& a, View b) noexcept { return a.Viewed() == b; }
    friend bool operator==(const SecureBasicString& a, const std::basic_string<CharT>& b) noexcept {
        return a.Viewed() == View(b);
    }
};

using SecureString = SecureBasicString<char>;
using SecureU16String = SecureBasicString<char16_t>;

} // namespace vaultlet

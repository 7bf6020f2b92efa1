#pragma once

#include "core/Item.h"
#include "core/NodeContainer.h"

#include <cstdint>
#include <memory>

namespace vaultlet {

// An account entry: a list of items plus the auto-fill settings, a bookmark flag and an expiry time.
class Passcard : public NodeContainer<Item> {
public:
    // The template typed when the passcard has none of its own.
    static constexpr const char* kDefaultAutofillString = "<Login>{TAB}<Password>";

    Passcard();
    // Withdraws the windowID from WindowIdRegistry.
    ~Passcard() override;

    // Container part first, then "bookmark", "use_autofill", "expiration", "autofill", "window",
    // "windowID".
    bool Write(tinyxml2::XMLElement* element) const override;
    bool Read(const tinyxml2::XMLElement* element) override;
    NodeKind Kind() const override { return NodeKind::Passcard; }

    using ModelNode::CopyFrom;
    // The ModelNode copy, then use auto-fill, template, window, windowID (not registered) and
    // expiration. Neither the bookmark nor the items are copied.
    virtual void CopyFrom(const Passcard& other);

    // A new passcard (creation time now) with CopyFrom applied and a copy of every item.
    std::unique_ptr<Passcard> Clone() const;

    bool Bookmark() const noexcept { return m_bookmark; }
    void SetBookmark(bool bookmark);
    bool UseAutofill() const noexcept { return m_useAutofill; }
    void SetUseAutofill(bool useAutofill);
    // The auto-type template, or the default one when none is stored.
    std::string_view AutofillString() const noexcept;
    // The stored template, empty when the default applies.
    const SecureString& StoredAutofillString() const noexcept { return m_autofillString; }
    void SetAutofillString(std::string_view autofillString);
    const SecureString& Window() const noexcept { return m_window; }
    void SetWindow(std::string_view window);
    const SecureString& WindowId() const noexcept { return m_windowId; }
    // Also enters a non-empty value in WindowIdRegistry.
    void SetWindowId(std::string_view windowId);
    // Expiry as a Windows file time (UTC); 0 means never.
    std::uint64_t Expiration() const noexcept { return m_expiration; }
    void SetExpiration(std::uint64_t expiration);

    // True when an expiry is set and lies before the current UTC time.
    bool IsExpired() const;

private:
    bool m_bookmark = false;
    bool m_useAutofill = false;
    SecureString m_autofillString;
    SecureString m_window;
    SecureString m_windowId;
    std::uint64_t m_expiration = 0;
};

} // namespace vaultlet

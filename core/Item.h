#pragma once

#include "core/ItemType.h"
#include "core/ModelNode.h"
#include "core/SecureBytes.h"

#include <cstdint>

namespace vaultlet {

// One typed field of a passcard: a name/value pair with a secondary text (meta), optional attached
// binary data, a type and a hidden flag.
class Item : public ModelNode {
public:
    Item() = default;
    // A copy with a fresh creation time: name, comment, image, meta, value, binary, type and hidden.
    explicit Item(const Item& other);
    Item& operator=(const Item&) = delete;

    bool Write(tinyxml2::XMLElement* element) const override;
    bool Read(const tinyxml2::XMLElement* element) override;
    NodeKind Kind() const override { return NodeKind::Item; }

    const SecureString& Meta() const noexcept { return m_meta; }
    void SetMeta(std::string_view meta);
    const SecureString& Value() const noexcept { return m_value; }
    void SetValue(std::string_view value);
    bool Hidden() const noexcept { return m_hidden; }
    void SetHidden(bool hidden);
    ItemType Type() const noexcept { return m_type; }
    // Stores only the number; see ApplyTypeDefaults for the type's name, image and hidden flag.
    void SetType(ItemType type);

    // Sets the type with its default name, image and hidden flag; does not raise ModifiedFlag.
    void ApplyTypeDefaults(ItemType type);

    // Replaces the binary data (copied when both data and size are non-zero) and always raises
    // ModifiedFlag.
    void SetBinary(const std::uint8_t* data, std::size_t size);
    std::size_t BinarySize() const noexcept { return m_binary.size(); }
    // The first byte, or null when there is no binary data.
    const std::uint8_t* BinaryData() const noexcept { return m_binary.empty() ? nullptr : m_binary.data(); }

private:
    SecureString m_meta;
    SecureString m_value;
    SecureBytes m_binary;
    ItemType m_type = ItemType::Custom;
    bool m_hidden = false;
};

} // namespace vaultlet

#include "core/Item.h"

#include "core/Ascii85Codec.h"
#include "core/ModifiedFlag.h"
#include "core/XmlAttributes.h"

#include <tinyxml2.h>

namespace vaultlet {
namespace {

struct TypeDefaults {
    ItemType type;
    const char* name;
    std::int32_t image;
    bool hidden;
};

constexpr TypeDefaults kTypeDefaults[] = {
    {ItemType::Password, "Password", 1, true},
    {ItemType::Login, "Login", 2, false},
    {ItemType::Url, "URL", 4, false},
    {ItemType::Location, "Location", 0, false},
    {ItemType::CardNumber, "Card Number", 15, false},
    {ItemType::Mail, "Mail", 10, false},
    {ItemType::Serial, "Serial", 11, false},
    {ItemType::Phone, "Phone", 12, false},
    {ItemType::Host, "Host", 13, false},
    {ItemType::Ip, "IP", 14, false},
    {ItemType::File, "File", 30, false},
    {ItemType::Exec, "Exec", 21, false},
    {ItemType::PrivateKey, "Private key", 29, false},
    {ItemType::KeyPassphrase, "Key passphrase", 24, true},
};

// Image of a custom item that has none of its own.
constexpr std::int32_t kCustomImage = 3;

} // namespace

Item::Item(const Item& other)
    : ModelNode(), m_meta(other.m_meta.Copy()), m_value(other.m_value.Copy()), m_binary(other.m_binary.Copy()),
      m_type(other.m_type), m_hidden(other.m_hidden) {
    ModelNode::CopyFrom(other);
}

void Item::SetMeta(std::string_view meta) {
    if (m_meta.Viewed() != meta) {
        ModifiedFlag::Raise();
    }
    m_meta = meta;
}

void Item::SetValue(std::string_view value) {
    if (m_value.Viewed() != value) {
        ModifiedFlag::Raise();
    }
    m_value = value;
}

void Item::SetHidden(bool hidden) {
    if (m_hidden != hidden) {
        ModifiedFlag::Raise();
    }
    m_hidden = hidden;
}

void Item::SetType(ItemType type) {
    if (m_type != type) {
        ModifiedFlag::Raise();
    }
    m_type = type;
}

void Item::ApplyTypeDefaults(ItemType type) {
    const bool wasModified = ModifiedFlag::IsRaised();
    if (type == ItemType::Custom) {
        if (Image() == -1) {
            SetImage(kCustomImage);
        }
    } else {
        for (const auto& defaults : kTypeDefaults) {
            if (defaults.type == type) {
                SetName(defaults.name);
                SetImage(defaults.image);
                m_hidden = defaults.hidden;
                break;
            }
        }
    }
    m_type = type;
    if (!wasModified) {
        ModifiedFlag::Clear();
    }
}

void Item::SetBinary(const std::uint8_t* data, std::size_t size) {
    m_binary.clear();
    if (data != nullptr && size != 0) {
        m_binary.append(data, size);
    }
    ModifiedFlag::Raise();
}

bool Item::Write(tinyxml2::XMLElement* element) const {
    if (!ModelNode::Write(element)) {
        return false;
    }
    WriteIntAttribute("type", static_cast<std::int64_t>(m_type), element);
    WriteIntAttribute("hide", m_hidden ? 1 : 0, element);
    if (!m_meta.empty()) {
        WriteTextAttribute("meta", m_meta, element);
    }
    if (!m_binary.empty()) {
        const SecureString encoded = Ascii85Codec::Encode(m_binary.data(), m_binary.size());
        tinyxml2::XMLElement* binary = element->InsertNewChildElement("binary");
        binary->InsertNewText(encoded.c_str())->SetCData(true);
    }
    return WriteTextAttribute("value", m_value, element);
}

bool Item::Read(const tinyxml2::XMLElement* element) {
    if (!ModelNode::Read(element)) {
        return false;
    }
    std::int64_t number = 0;
    m_hidden = ReadIntAttribute("hide", number, element) && number != 0;
    if (!ReadTextAttribute("value", m_value, element)) {
        return false;
    }
    if (!ReadIntAttribute("type", number, element)) {
        return false;
    }
    m_type = static_cast<ItemType>(static_cast<std::uint32_t>(number));
    ReadTextAttribute("meta", m_meta, element);
    if (const tinyxml2::XMLElement* binary = element->FirstChildElement("binary")) {
        m_binary.clear();
        if (const char* text = binary->GetText()) {
            // Damaged data is dropped whole rather than kept in part and written back as if whole;
            // the rest of the item is fine and stays.
            Ascii85Codec::Decode(text, m_binary);
        }
    }
    return true;
}

} // namespace vaultlet

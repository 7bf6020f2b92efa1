#pragma once

#include "core/NodeKind.h"
#include "core/SecureString.h"
#include "core/XmlSerializable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vaultlet {

// The fields every node of the tree has: name, comment, icon, creation time and its parent.
// Setters raise ModifiedFlag when the value changes; nodes are owned by their parent container.
class ModelNode : public XmlSerializable {
public:
    ModelNode();
    ModelNode(const ModelNode&) = delete;
    ModelNode& operator=(const ModelNode&) = delete;

    // The ModelNode part of the document element: "name", then "image", "comment", "time".
    bool Write(tinyxml2::XMLElement* element) const override;
    bool Read(const tinyxml2::XMLElement* element) override;

    virtual ~ModelNode();
    // Empties name and comment, image -1, no parent, creation time now.
    virtual void Clear();
    virtual NodeKind Kind() const = 0;
    // Copies name, comment and image; parent and time stay.
    virtual void CopyFrom(const ModelNode& other);

    const SecureString& Name() const noexcept { return m_name; }
    void SetName(std::string_view name);
    const SecureString& Comment() const noexcept { return m_comment; }
    void SetComment(std::string_view comment);
    // Index into the shared 16x16 icon list; -1 means "no image of its own".
    std::int32_t Image() const noexcept { return m_image; }
    void SetImage(std::int32_t image);

    ModelNode* Parent() const noexcept { return m_parent; }
    void SetParentNode(ModelNode* parent) noexcept { m_parent = parent; }
    // Creation time, seconds since 1970-01-01 UTC.
    std::int64_t Time() const noexcept { return m_time; }
    void SetTime(std::int64_t time) noexcept { m_time = time; }

    // The creation time as local "%x %X" text; empty when the time is 0 or cannot be converted.
    std::string FormatTime() const;

private:
    SecureString m_name;
    SecureString m_comment;
    std::int32_t m_image = -1;
    ModelNode* m_parent = nullptr;
    std::int64_t m_time = 0;
};

} // namespace vaultlet

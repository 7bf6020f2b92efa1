#pragma once

#include "core/NodeContainer.h"
#include "core/Passcard.h"

#include <memory>
#include <string_view>

namespace vaultlet {

// A named folder of passcards.
class Group : public NodeContainer<Passcard> {
public:
    Group();
    explicit Group(std::string_view name);

    NodeKind Kind() const override { return NodeKind::Group; }

    // A new group (creation time now) with this group's name, comment and image and a clone of
    // every passcard.
    std::unique_ptr<Group> Clone() const;

    std::size_t PasscardCount() const noexcept { return Count(); }
    // Items of all passcards of the group.
    std::size_t ItemCount() const noexcept;
};

} // namespace vaultlet

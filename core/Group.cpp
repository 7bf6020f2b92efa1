#include "core/Group.h"

namespace vaultlet {

Group::Group() : NodeContainer<Passcard>("passcard") {}

Group::Group(std::string_view name) : Group() {
    SetName(name);
}

std::unique_ptr<Group> Group::Clone() const {
    auto clone = std::make_unique<Group>();
    clone->CopyFrom(*this);
    for (const auto& passcard : Children()) {
        clone->Add(passcard->Clone());
    }
    return clone;
}

std::size_t Group::ItemCount() const noexcept {
    std::size_t count = 0;
    for (const auto& passcard : Children()) {
        count += passcard->Count();
    }
    return count;
}

} // namespace vaultlet

#include "core/ModelCopy.h"

#include "core/ModifiedFlag.h"

namespace vaultlet {
namespace {

template <typename Node>
void CopyNodeFields(const Node& source, Node& copy) {
    copy.CopyFrom(source);
    copy.SetTime(source.Time());
}

template <typename Container>
void CopyChildren(const Container& source, Container& copy) {
    for (const auto& child : source.Children()) {
        copy.Add(ModelCopy::Of(*child));
    }
}

} // namespace

std::unique_ptr<Item> ModelCopy::Of(const Item& item) {
    const ModifiedFlag::Preserved flag;
    auto copy = std::make_unique<Item>(item);
    copy->SetTime(item.Time());
    return copy;
}

std::unique_ptr<Passcard> ModelCopy::FieldsOf(const Passcard& passcard) {
    const ModifiedFlag::Preserved flag;
    auto copy = std::make_unique<Passcard>();
    CopyNodeFields(passcard, *copy);
    copy->SetBookmark(passcard.Bookmark());
    return copy;
}

std::unique_ptr<Passcard> ModelCopy::Of(const Passcard& passcard) {
    const ModifiedFlag::Preserved flag;
    auto copy = FieldsOf(passcard);
    CopyChildren(passcard, *copy);
    return copy;
}

std::unique_ptr<Group> ModelCopy::FieldsOf(const Group& group) {
    const ModifiedFlag::Preserved flag;
    auto copy = std::make_unique<Group>();
    CopyNodeFields(group, *copy);
    return copy;
}

std::unique_ptr<Group> ModelCopy::Of(const Group& group) {
    const ModifiedFlag::Preserved flag;
    auto copy = FieldsOf(group);
    CopyChildren(group, *copy);
    return copy;
}

std::unique_ptr<Database> ModelCopy::Of(const Database& database) {
    const ModifiedFlag::Preserved flag;
    auto copy = std::make_unique<Database>();
    CopyNodeFields<ModelNode>(database, *copy);
    CopyChildren(database, *copy);
    return copy;
}

} // namespace vaultlet

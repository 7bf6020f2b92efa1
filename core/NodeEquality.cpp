#include "core/NodeEquality.h"

#include <algorithm>

namespace vaultlet {
namespace {

template <typename Container>
bool SameChildren(const Container& a, const Container& b) {
    return std::equal(a.Children().begin(), a.Children().end(), b.Children().begin(), b.Children().end(),
                      [](const auto& x, const auto& y) { return NodeEquality::Same(*x, *y); });
}

bool SameBinary(const Item& a, const Item& b) {
    return a.BinarySize() == b.BinarySize() &&
           std::equal(a.BinaryData(), a.BinaryData() + a.BinarySize(), b.BinaryData());
}

} // namespace

bool NodeEquality::SameFields(const ModelNode& a, const ModelNode& b) {
    return a.Name() == b.Name() && a.Comment() == b.Comment() && a.Image() == b.Image() && a.Time() == b.Time();
}

bool NodeEquality::SameFields(const Passcard& a, const Passcard& b) {
    return SameFields(static_cast<const ModelNode&>(a), static_cast<const ModelNode&>(b)) &&
           a.Bookmark() == b.Bookmark() && a.UseAutofill() == b.UseAutofill() &&
           a.StoredAutofillString() == b.StoredAutofillString() && a.Window() == b.Window() &&
           a.WindowId() == b.WindowId() && a.Expiration() == b.Expiration();
}

bool NodeEquality::Same(const Item& a, const Item& b) {
    return SameFields(a, b) && a.Meta() == b.Meta() && a.Value() == b.Value() && a.Type() == b.Type() &&
           a.Hidden() == b.Hidden() && SameBinary(a, b);
}

bool NodeEquality::Same(const Passcard& a, const Passcard& b) {
    return SameFields(a, b) && SameChildren(a, b);
}

bool NodeEquality::Same(const Group& a, const Group& b) {
    return SameFields(a, b) && SameChildren(a, b);
}

bool NodeEquality::Same(const Database& a, const Database& b) {
    return SameFields(a, b) && SameChildren(a, b);
}

} // namespace vaultlet

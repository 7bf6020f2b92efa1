#pragma once

#include "core/ModelNode.h"
#include "core/ModifiedFlag.h"

#include <tinyxml2.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vaultlet {

// A node that owns an ordered list of children of one class. The order is insertion order, which is
// also the display and storage order.
template <typename Child>
class NodeContainer : public ModelNode {
public:
    using ChildList = std::vector<std::unique_ptr<Child>>;

    explicit NodeContainer(std::string childElementName) : m_childElementName(std::move(childElementName)) {}
    ~NodeContainer() override { DeleteAll(); }

    // Clears ModifiedFlag, then writes the ModelNode part and one element per child. A child that
    // fails to write is left out.
    bool Write(tinyxml2::XMLElement* element) const override;
    // Replaces all children with those read from the element; children that fail to read are
    // dropped. Clears ModifiedFlag whatever the outcome.
    bool Read(const tinyxml2::XMLElement* element) override;

    std::size_t Count() const noexcept { return m_children.size(); }
    Child* At(std::size_t index) const noexcept { return m_children[index].get(); }
    const ChildList& Children() const noexcept { return m_children; }

    // Appends the child and becomes its parent. A null child is ignored.
    void Add(std::unique_ptr<Child> child);
    // Inserts the child before the one at `position` (at the end when past it) and becomes its
    // parent. A null child is ignored.
    void Insert(std::unique_ptr<Child> child, std::size_t position);
    // Destroys the child if this container holds it (found by identity).
    void Remove(const Child* child);
    // Takes the child out of the list without destroying it; null when it is not held here.
    std::unique_ptr<Child> Detach(const Child* child);
    // Destroys every child; leaves ModifiedFlag alone.
    void DeleteAll() noexcept { m_children.clear(); }
    // Hands every child over to the caller and empties the list.
    ChildList ReleaseAll() noexcept { return std::exchange(m_children, {}); }
    // First child whose name equals the text exactly.
    Child* FindByName(std::string_view name) const;
    // Position of the child in the list, or -1.
    int IndexOf(const Child* child) const;

private:
    typename ChildList::const_iterator Find(const Child* child) const;

    ChildList m_children;
    std::string m_childElementName;
};

template <typename Child>
bool NodeContainer<Child>::Write(tinyxml2::XMLElement* element) const {
    if (!ModelNode::Write(element)) {
        return false;
    }
    ModifiedFlag::Clear();
    for (const auto& child : m_children) {
        tinyxml2::XMLElement* childElement = element->GetDocument()->NewElement(m_childElementName.c_str());
        if (child->Write(childElement)) {
            element->InsertEndChild(childElement);
        } else {
            element->GetDocument()->DeleteNode(childElement);
        }
    }
    return true;
}

template <typename Child>
bool NodeContainer<Child>::Read(const tinyxml2::XMLElement* element) {
    DeleteAll();
    const bool read = ModelNode::Read(element);
    if (read) {
        const char* name = m_childElementName.c_str();
        for (auto* childElement = element->FirstChildElement(name); childElement != nullptr;
             childElement = childElement->NextSiblingElement(name)) {
            auto child = std::make_unique<Child>();
            if (child->Read(childElement)) {
                Add(std::move(child));
            }
        }
    }
    ModifiedFlag::Clear();
    return read;
}

template <typename Child>
void NodeContainer<Child>::Add(std::unique_ptr<Child> child) {
    if (!child) {
        return;
    }
    child->SetParentNode(this);
    m_children.push_back(std::move(child));
    ModifiedFlag::Raise();
}

template <typename Child>
void NodeContainer<Child>::Insert(std::unique_ptr<Child> child, std::size_t position) {
    if (!child) {
        return;
    }
    child->SetParentNode(this);
    m_children.insert(m_children.begin() + static_cast<std::ptrdiff_t>(std::min(position, m_children.size())),
                      std::move(child));
    ModifiedFlag::Raise();
}

template <typename Child>
void NodeContainer<Child>::Remove(const Child* child) {
    const auto found = Find(child);
    if (found != m_children.end()) {
        m_children.erase(found);
        ModifiedFlag::Raise();
    }
}

template <typename Child>
std::unique_ptr<Child> NodeContainer<Child>::Detach(const Child* child) {
    const auto found = Find(child);
    if (found == m_children.end()) {
        return nullptr;
    }
    auto owned = std::move(m_children[found - m_children.begin()]);
    m_children.erase(found);
    owned->SetParentNode(nullptr);
    ModifiedFlag::Raise();
    return owned;
}

template <typename Child>
Child* NodeContainer<Child>::FindByName(std::string_view name) const {
    for (const auto& child : m_children) {
        if (child->Name().Viewed() == name) {
            return child.get();
        }
    }
    return nullptr;
}

template <typename Child>
int NodeContainer<Child>::IndexOf(const Child* child) const {
    const auto found = Find(child);
    return found == m_children.end() ? -1 : static_cast<int>(found - m_children.begin());
}

template <typename Child>
typename NodeContainer<Child>::ChildList::const_iterator NodeContainer<Child>::Find(const Child* child) const {
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (it->get() == child) {
            return it;
        }
    }
    return m_children.end();
}

} // namespace vaultlet

#pragma once

#include "core/SecureString.h"

#include <cstdint>
#include <string>

namespace vaultlet {

class Group;
class Item;
class ModelNode;
class Passcard;

// How ls and show print nodes. Every line ends with a line feed; texts inside a line are kept on it
// (see OutputText). A hidden item's value prints as ten asterisks, as the program's tree shows it,
// unless it is to be revealed.
class NodeText {
public:
    static constexpr const char* kMask = "**********";

    // One line of ls: a group or passcard by its name, an item as "name: value".
    static SecureString ListLine(const ModelNode& node, bool reveal);
    // The node's fields for show, one "Label: value" a line.
    static SecureString Fields(const ModelNode& node, bool reveal);

    // "YYYY-MM-DD hh:mm:ss UTC" of seconds since 1970.
    static std::string FormatUtc(std::int64_t unixSeconds);

private:
    static void AddGroupFields(SecureString& text, const Group& group);
    static void AddPasscardFields(SecureString& text, const Passcard& passcard);
    static void AddItemFields(SecureString& text, const Item& item, bool reveal);
    static void AddCommonFields(SecureString& text, const ModelNode& node);
};

} // namespace vaultlet

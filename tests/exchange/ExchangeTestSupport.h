#pragma once

#include "core/Database.h"
#include "tests/support/TempDir.h"

#include <memory>
#include <string>
#include <string_view>

namespace tinyxml2 {
class XMLElement;
}

namespace vaultlet::test {

// Builders taking UTF-8 text (held in the ANSI code page); they return the node they appended.
Group& AddGroup(Database& database, std::string_view name, std::string_view comment = {});
Passcard& AddPasscard(Group& group, std::string_view name, std::string_view comment = {});
Item& AddItem(Passcard& passcard, ItemType type, std::string_view name, std::string_view value);

// Every value that the own XML format carries, with text that tends to get lost on the way: line
// breaks in both forms, tabs, leading and trailing blanks, values of white space only, markup
// characters, non-ASCII text, unusual numbers.
std::unique_ptr<Database> MakeRichDatabase();

// The groups, passcards and items as UTF-8 text: a line for each group's name, and below it a line
// "  name: items" for each of its passcards, the items as "name/type=value|" in order.
std::string Outline(const Database& database);

// Names of the element children of an element, in order, joined by blanks.
std::string ChildNames(const tinyxml2::XMLElement* element);

} // namespace vaultlet::test

#pragma once

#include <map>
#include <string>

namespace vaultlet {

// The texts of one menu of a language: item texts by position (every item counts, separators
// included, from 0) and the texts of the submenus that open at some of those positions.
struct MenuTexts {
    std::map<int, std::string> texts;
    std::map<int, MenuTexts> submenus;
};

} // namespace vaultlet

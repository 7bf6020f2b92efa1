#pragma once

#include "core/Passcard.h"
#include "core/SecureString.h"

#include <memory>
#include <string>
#include <string_view>

namespace vaultlet {

// Edit > New Login without its window: a website login made in one step.
namespace new_login {

// What the dialog's boxes hold, the note with line feeds as the model keeps them.
struct Fields {
    std::string name;
    std::string login;
    SecureString password;
    std::string url;
    std::string note;
};

// A passcard with a Login, a Password and a URL field, in that order, each with its type's default
// name, image and hidden flag and what was typed as its value (an empty one too, to be filled in
// later), and the note as its comment. A passcard left without a name is named after the address's
// host, or `fallbackName` when the address has none.
std::unique_ptr<Passcard> Build(const Fields& fields, std::string_view fallbackName);

// The host an address names: without the scheme ("https://"), a user part ("me@"), "www." and
// everything from the port, path, query or fragment on. Empty when nothing is left.
std::string HostOf(std::string_view address);

} // namespace new_login
} // namespace vaultlet

#pragma once

#include "autofill/AutofillAction.h"
#include "autofill/KeyboardLayout.h"

#include <cstddef>
#include <string_view>

namespace vaultlet {

class Item;
class Passcard;

// Turning an auto-type template into input. At each position a template holds, in this order of
// recognition: a special-key name such as "{TAB}", a field reference "<name>" to an item of the
// passcard, or any other character, which stands for itself. There is no escape character.

// The first item with a non-empty name whose reference "<" name ">" starts the text exactly; null
// when none does. Sets length to the length of the reference.
const Item* FindFieldReferenceAt(std::string_view text, const Passcard& passcard, std::size_t& length);

// Keystroke mode: every key, field value and literal as keystrokes, appended to the list.
void PrepareTemplateKeys(std::string_view autofillTemplate, const Passcard& passcard, const KeyboardLayout& layout,
                         KeyList& keys);

// Clipboard mode: special keys and literals as key actions, each non-empty field value as one text
// action to paste.
void PrepareTemplateActions(std::string_view autofillTemplate, const Passcard& passcard, const KeyboardLayout& layout,
                            ActionList& actions);

// Plain text as keystrokes, no template syntax interpreted.
void PrepareTextKeys(std::string_view text, const KeyboardLayout& layout, KeyList& keys);

} // namespace vaultlet

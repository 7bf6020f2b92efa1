#include "autofill/TemplatePreparation.h"

#include "autofill/KeyStrokeBuilder.h"
#include "autofill/SpecialKeyTable.h"
#include "core/Passcard.h"

#include <cstring>

namespace vaultlet {
namespace {

// Walks the template piece by piece and hands each piece to one of three handlers.
template <typename OnKey, typename OnField, typename OnCharacter>
void ScanTemplate(std::string_view autofillTemplate, const Passcard& passcard, OnKey onKey, OnField onField,
                  OnCharacter onCharacter) {
    std::size_t position = 0;
    while (position < autofillTemplate.size()) {
        const std::string_view rest = autofillTemplate.substr(position);
        if (const SpecialKey* key = FindSpecialKeyAt(rest)) {
            onKey(MakeKeyCode(key->code));
            position += std::strlen(key->name);
            continue;
        }
        std::size_t length = 0;
        if (const Item* item = FindFieldReferenceAt(rest, passcard, length)) {
            onField(*item);
            position += length;
            continue;
        }
        onCharacter(rest.front());
        ++position;
    }
}

} // namespace

const Item* FindFieldReferenceAt(std::string_view text, const Passcard& passcard, std::size_t& length) {
    if (text.empty() || text.front() != '<') {
        return nullptr;
    }
    for (const auto& item : passcard.Children()) {
        const std::string_view name = item->Name().Viewed();
        if (name.empty() || text.size() < name.size() + 2) {
            continue;
        }
        if (text.substr(1, name.size()) == name && text[name.size() + 1] == '>') {
            length = name.size() + 2;
            return item.get();
        }
    }
    return nullptr;
}

void PrepareTemplateKeys(std::string_view autofillTemplate, const Passcard& passcard, const KeyboardLayout& layout,
                         KeyList& keys) {
    KeyStrokeBuilder builder(layout, [&keys](const KeyStroke& key) { keys.push_back(key); });
    ScanTemplate(
        autofillTemplate, passcard, [&builder](KeyCode code) { builder.AddKey(code); },
        [&builder](const Item& item) {
            builder.Flush();
            builder.AddText(item.Value().Viewed());
            builder.Flush();
        },
        [&builder](char character) { builder.AddCharacter(character); });
    builder.Flush();
}

void PrepareTemplateActions(std::string_view autofillTemplate, const Passcard& passcard, const KeyboardLayout& layout,
                            ActionList& actions) {
    KeyStrokeBuilder builder(layout, [&actions](const KeyStroke& key) {
        actions.push_back(AutofillAction{AutofillAction::Kind::Key, key, {}});
    });
    ScanTemplate(
        autofillTemplate, passcard, [&builder](KeyCode code) { builder.AddKey(code); },
        [&builder, &actions](const Item& item) {
            if (item.Value().empty()) {
                return;
            }
            builder.Flush();
            actions.push_back(AutofillAction{AutofillAction::Kind::Text, {}, item.Value().Copy()});
        },
        [&builder](char character) { builder.AddCharacter(character); });
    builder.Flush();
}

void PrepareTextKeys(std::string_view text, const KeyboardLayout& layout, KeyList& keys) {
    KeyStrokeBuilder builder(layout, [&keys](const KeyStroke& key) { keys.push_back(key); });
    builder.AddText(text);
    builder.Flush();
}

} // namespace vaultlet

#pragma once

#include "core/Item.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vaultlet {

// The field dialog without its window: the type list, what each type shows as name, image, hidden
// flag and extra row, what is remembered across type changes, and what OK writes. The value is not
// held here; it stays in its password box until OK.
//
// An item being edited starts with its own name, image and hidden flag; only a type the user picks
// replaces them with that type's defaults. A new item starts with its type's defaults. Types that
// are not offered (file, program, private key, unknown numbers) are shown as themselves and fixed,
// so OK never changes them; their binary data is never touched.
class FieldEditor {
public:
    struct TypeRow {
        ItemType type;
        // The label's string-table id, and the number it shows (IDS_TYPE_UNKNOWN only).
        int stringId;
    };

    // What the controls show, besides the value.
    struct Shown {
        ItemType type = ItemType::Custom;
        std::string name;
        std::int32_t image = -1;
        bool hidden = false;
        std::string meta;
    };

    FieldEditor(const Item& item, bool isNew);

    const std::vector<TypeRow>& Types() const noexcept { return m_types; }
    int SelectedRow() const;
    static std::string LabelOf(const TypeRow& row);

    const Shown& Current() const noexcept { return m_shown; }
    // The user's edits of the name, hidden flag and extra row, as the controls hold them now.
    void Update(std::string_view name, bool hidden, std::string_view meta);
    void SetImage(std::int32_t image) { m_shown.image = image; }
    // Another type from the list: remembers what the old type showed and sets the new one up.
    void ChooseType(ItemType type);

    bool TypeIsFixed() const noexcept { return m_fixed; }
    bool NameIsEditable() const noexcept { return m_fixed || m_shown.type == ItemType::Custom; }
    bool GeneratorIsEnabled() const;
    int MetaLabelId() const;

    // OK: name, image, type, value, extra row and hidden flag, in that order, through the setters.
    void WriteTo(Item& item, std::string_view value) const;

private:
    enum class MetaGroup { Files, Executable, KeyPassphrase, Others };
    static MetaGroup GroupOf(ItemType type);
    void SetUpType(ItemType type);

    std::vector<TypeRow> m_types;
    bool m_fixed = false;
    Shown m_shown;
    // What a custom field showed when the user last left that type.
    Shown m_custom;
    std::map<MetaGroup, std::string> m_metaByGroup;
};

} // namespace vaultlet

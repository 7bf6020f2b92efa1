#include "shell/FieldEditor.h"

#include "resources/StringIds.h"
#include "services/LanguagePack.h"
#include "shell/TextFormat.h"

#include <algorithm>

namespace vaultlet {
namespace {

// A custom field that has no image of its own.
constexpr std::int32_t kCustomImage = 3;

// Pickable types whose values are not made up by the generator: addresses and numbers the user has.
constexpr ItemType kTypesWithoutGenerator[] = {ItemType::Url, ItemType::Location, ItemType::Mail, ItemType::Phone,
                                               ItemType::Ip};

std::vector<FieldEditor::TypeRow> PickableRows() {
    std::vector<FieldEditor::TypeRow> rows;
    for (const ItemTypeChoice* choice = kPickableItemTypes; choice->type >= 0; ++choice) {
        rows.push_back({static_cast<ItemType>(choice->type), choice->stringId});
    }
    return rows;
}

int FixedLabelOf(ItemType type) {
    switch (type) {
    case ItemType::File:
        return IDS_TYPE_FILE;
    case ItemType::Exec:
        return IDS_TYPE_EXEC;
    case ItemType::PrivateKey:
        return IDS_TYPE_PRIVATE_KEY;
    default:
        return IDS_TYPE_UNKNOWN;
    }
}

std::string Text(int id) {
    return LanguagePack::Instance().getString(id);
}

} // namespace

FieldEditor::FieldEditor(const Item& item, bool isNew) : m_types(PickableRows()) {
    m_shown = {item.Type(), std::string(item.Name().Viewed()), item.Image(), item.Hidden(),
               std::string(item.Meta().Viewed())};
    m_custom = item.Type() == ItemType::Custom
                   ? m_shown
                   : Shown{ItemType::Custom, Text(IDS_CUSTOM_FIELD_NAME), kCustomImage, false, {}};
    m_fixed = SelectedRow() < 0;
    if (m_fixed) {
        m_types.push_back({item.Type(), FixedLabelOf(item.Type())});
    } else if (isNew) {
        const std::string meta = m_shown.meta;
        SetUpType(item.Type());
        m_shown.meta = meta;
    }
}

int FieldEditor::SelectedRow() const {
    const auto row =
        std::find_if(m_types.begin(), m_types.end(), [&](const TypeRow& r) { return r.type == m_shown.type; });
    return row == m_types.end() ? -1 : static_cast<int>(row - m_types.begin());
}

std::string FieldEditor::LabelOf(const TypeRow& row) {
    if (row.stringId == IDS_TYPE_UNKNOWN) {
        return FormatText(Text(row.stringId), {std::to_string(static_cast<std::uint32_t>(row.type))});
    }
    return Text(row.stringId);
}

void FieldEditor::Update(std::string_view name, bool hidden, std::string_view meta) {
    m_shown.name = name;
    m_shown.hidden = hidden;
    m_shown.meta = meta;
}

void FieldEditor::ChooseType(ItemType type) {
    if (m_fixed || type == m_shown.type) {
        return;
    }
    if (m_shown.type == ItemType::Custom) {
        m_custom = m_shown;
    }
    m_metaByGroup[GroupOf(m_shown.type)] = m_shown.meta;
    SetUpType(type);
    m_shown.meta = m_metaByGroup[GroupOf(type)];
}

void FieldEditor::SetUpType(ItemType type) {
    m_shown.type = type;
    if (type == ItemType::Custom) {
        m_shown.name = m_custom.name;
        m_shown.image = m_custom.image;
        m_shown.hidden = m_custom.hidden;
        return;
    }
    Item defaults;
    defaults.ApplyTypeDefaults(type);
    m_shown.name = LabelOf(m_types[static_cast<std::size_t>(SelectedRow())]);
    m_shown.image = defaults.Image();
    m_shown.hidden = defaults.Hidden();
}

bool FieldEditor::GeneratorIsEnabled() const {
    return !m_fixed && std::find(std::begin(kTypesWithoutGenerator), std::end(kTypesWithoutGenerator), m_shown.type) ==
                           std::end(kTypesWithoutGenerator);
}

int FieldEditor::MetaLabelId() const {
    return m_shown.type == ItemType::KeyPassphrase ? IDS_KEY_NAME_LABEL : IDS_FIELD_COMMENT_LABEL;
}

FieldEditor::MetaGroup FieldEditor::GroupOf(ItemType type) {
    switch (type) {
    case ItemType::File:
    case ItemType::PrivateKey:
        return MetaGroup::Files;
    case ItemType::Exec:
        return MetaGroup::Executable;
    case ItemType::KeyPassphrase:
        return MetaGroup::KeyPassphrase;
    default:
        return MetaGroup::Others;
    }
}

void FieldEditor::WriteTo(Item& item, std::string_view value) const {
    item.SetName(m_shown.name);
    item.SetImage(m_shown.image);
    item.SetType(m_shown.type);
    item.SetValue(value);
    item.SetMeta(m_shown.meta);
    item.SetHidden(m_shown.hidden);
}

} // namespace vaultlet

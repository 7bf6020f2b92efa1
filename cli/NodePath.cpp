#include "cli/NodePath.h"

#include "cli/CliFailure.h"
#include "cli/OutputText.h"
#include "core/Database.h"

namespace vaultlet {
namespace {

template <typename Text>
void AppendEscapedName(Text& text, std::string_view name) {
    for (const char c : name) {
        if (c == '/') {
            text += '\\';
        }
        text += c;
    }
}

std::string EscapeName(const std::string& name) {
    std::string escaped;
    AppendEscapedName(escaped, name);
    return escaped;
}

std::string JoinNames(const std::vector<std::string>& names, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            text += '/';
        }
        text += EscapeName(names[i]);
    }
    return text;
}

} // namespace

SecureString NodePath::Of(const ModelNode& node) {
    std::vector<const ModelNode*> nodes;
    for (const ModelNode* each = &node; each != nullptr && each->Kind() != NodeKind::Database; each = each->Parent()) {
        nodes.push_back(each);
    }
    SecureString text;
    for (auto each = nodes.rbegin(); each != nodes.rend(); ++each) {
        if (each != nodes.rbegin()) {
            text += '/';
        }
        AppendEscapedName(text, (*each)->Name().Viewed());
    }
    return text;
}

NodePath NodePath::Parse(std::string_view text) {
    NodePath path;
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '/') {
            name += '/';
            ++i;
        } else if (text[i] == '/') {
            path.m_names.push_back(std::move(name));
            name.clear();
        } else {
            name += text[i];
        }
    }
    path.m_names.push_back(std::move(name));
    for (const std::string& each : path.m_names) {
        if (each.empty()) {
            throw UsageError("PATH \"" + OneLine(text) +
                             "\" has an empty name (a \"/\" inside a name is written \"\\/\")");
        }
    }
    if (path.m_names.size() > kMaxDepth) {
        throw UsageError("PATH \"" + OneLine(text) + "\" has more than three names (GROUP/PASSCARD/ITEM)");
    }
    return path;
}

std::string NodePath::Text() const {
    return JoinNames(m_names, m_names.size());
}

std::string NodePath::ParentText() const {
    return JoinNames(m_names, m_names.size() - 1);
}

ModelNode* NodePath::Nodes::Last() const noexcept {
    if (item != nullptr) {
        return item;
    }
    if (passcard != nullptr) {
        return passcard;
    }
    return group;
}

NodePath::Nodes NodePath::Resolve(const Database& database) const {
    return ResolveDepth(database, m_names.size());
}

NodePath::Nodes NodePath::ResolveParent(const Database& database) const {
    return ResolveDepth(database, m_names.size() - 1);
}

NodePath::Nodes NodePath::ResolveDepth(const Database& database, std::size_t depth) const {
    static constexpr const char* kKinds[] = {"group", "passcard", "item"};
    Nodes nodes;
    for (std::size_t level = 0; level < depth; ++level) {
        const std::string& name = m_names[level];
        ModelNode* found = nullptr;
        if (level == 0) {
            found = nodes.group = database.FindByName(name);
        } else if (level == 1) {
            found = nodes.passcard = nodes.group->FindByName(name);
        } else {
            found = nodes.item = nodes.passcard->FindByName(name);
        }
        if (found == nullptr) {
            throw UsageError(std::string("no ") + kKinds[level] + " \"" + OneLine(JoinNames(m_names, level + 1)) +
                             "\"");
        }
    }
    return nodes;
}

} // namespace vaultlet

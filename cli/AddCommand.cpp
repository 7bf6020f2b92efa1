#include "cli/AddCommand.h"

#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/InputText.h"
#include "cli/ItemTypeNames.h"
#include "cli/NodePath.h"
#include "cli/OutputText.h"
#include "cli/StorableText.h"
#include "core/Database.h"

#include <memory>
#include <optional>
#include <string>

namespace vaultlet {
namespace {

constexpr OptionSpec kOptions[] = {
    {"type", true}, {"value", true}, {"value-stdin", false}, {"hidden", false}, {"comment", true}};
constexpr CommandSyntax kSyntax{
    "add", "FILE PATH [--type TYPE] [--value VALUE | --value-stdin] [--hidden] [--comment TEXT]", 2, 2, kOptions};

constexpr std::string_view kItemOptions[] = {"type", "value", "value-stdin", "hidden"};

// What the command line asks for, checked before the password is asked.
struct Request {
    NodePath path;
    std::string_view comment;
    ItemType type = ItemType::Custom;
    bool hidden = false;
    std::optional<std::string_view> value;
    bool valueFromInput = false;
};

Request ReadRequest(const ParsedArguments& arguments) {
    Request request{NodePath::Parse(arguments.Positional(1)), {}, ItemType::Custom, false, std::nullopt, false};
    const bool isItem = request.path.Depth() == NodePath::kMaxDepth;
    for (const std::string_view option : kItemOptions) {
        if (!isItem && arguments.Has(option)) {
            throw UsageError("--" + std::string(option) + " is for items only (PATH GROUP/PASSCARD/ITEM)");
        }
    }
    request.value = arguments.Value("value");
    request.valueFromInput = arguments.Has("value-stdin");
    if (request.value && request.valueFromInput) {
        throw UsageError("give either --value or --value-stdin, not both");
    }
    if (const std::optional<std::string_view> type = arguments.Value("type")) {
        request.type = ItemTypeNames::Pickable(*type);
    }
    request.hidden = arguments.Has("hidden");
    request.comment = arguments.Value("comment").value_or("");
    RequireStorableText(request.path.LastName(), "the name \"" + OneLine(request.path.LastName()) + "\"");
    RequireStorableText(request.comment, "the comment");
    if (request.value) {
        RequireStorableText(*request.value, "the value");
    }
    return request;
}

// A name that is taken would make the new node unreachable: names are matched first come first.
template <typename Container>
void RequireFreeName(const Container& container, const NodePath& path, const char* kind) {
    if (container.FindByName(path.LastName()) != nullptr) {
        throw UsageError(std::string("there is already ") + kind + " \"" + OneLine(path.Text()) + "\"");
    }
}

template <typename Node>
std::unique_ptr<Node> NewNode(const Request& request) {
    auto node = std::make_unique<Node>();
    node->SetName(request.path.LastName());
    node->SetComment(request.comment);
    return node;
}

void AddNode(Database& database, const Request& request, const SecureString& value) {
    const NodePath::Nodes parents = request.path.ResolveParent(database);
    switch (request.path.Depth()) {
    case 1:
        RequireFreeName(database, request.path, "a group");
        database.Add(NewNode<Group>(request));
        return;
    case 2:
        RequireFreeName(*parents.group, request.path, "a passcard");
        parents.group->Add(NewNode<Passcard>(request));
        return;
    default: {
        RequireFreeName(*parents.passcard, request.path, "an item");
        auto item = std::make_unique<Item>();
        item->ApplyTypeDefaults(request.type);
        item->SetName(request.path.LastName());
        item->SetComment(request.comment);
        if (request.hidden) {
            item->SetHidden(true);
        }
        item->SetValue(value.Viewed());
        parents.passcard->Add(std::move(item));
        return;
    }
    }
}

} // namespace

const CommandSyntax& AddCommand::Syntax() const noexcept {
    return kSyntax;
}

void AddCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const Request request = ReadRequest(arguments);
    const std::string_view path = arguments.Positional(0);
    // The password line(s) come first on standard input, the value is the rest.
    const SecureString password = context.passwords.Existing("Password for \"" + OneLine(path) + "\": ");
    SecureString value(request.value.value_or(""));
    if (request.valueFromInput) {
        value = ReadRemainingInput(context.in);
        RequireStorableText(value.Viewed(), "the value");
    }
    const auto lock = DatabaseFile::Lock(path, context);
    const auto database = DatabaseFile::OpenWith(path, password.Viewed(), context);
    AddNode(*database, request, value);
    DatabaseFile::Save(*database);
}

} // namespace vaultlet

#pragma once

#include <string>
#include <vector>

namespace vaultlet {

class Database;
class ModelNode;
class Passcard;

// Editing operations of the main window that need no window: what they change in the model and
// what they refuse.
namespace node_editing {

// A deep copy of a group or passcard named "<name> Copy", inserted right after the source in its
// parent. Null (and nothing changed) for any other node.
ModelNode* Duplicate(ModelNode& node, const std::string& suffix = " Copy");

// The delete question's string id and its arguments for the node; 0 for the database, which cannot
// be deleted.
struct DeleteQuestion {
    int stringId = 0;
    std::vector<std::string> arguments;
};
DeleteQuestion QuestionForDeleting(const ModelNode& node);

// How a node dragged onto another one moves: a group after another group or to the end of the
// database, a passcard after another passcard (in that one's group) or to the end of a group, an
// item after another item (in that one's passcard) or to the end of a passcard. Every other pair,
// and a node dropped on itself, moves nothing.
enum class MoveKind { None, After, ToEnd };
MoveKind MoveKindOf(const ModelNode& dragged, const ModelNode& target);
// Moves the node as MoveKindOf says; returns what it did.
MoveKind Move(ModelNode& dragged, ModelNode& target);

// Which passcards a view of the database shows: every one (the main window), or only those set to
// use auto-fill (the auto-fill chooser).
enum class PasscardScope { All, Autofill };

// The bookmarked passcards in the order the Bookmarks menu lists them (groups in database order,
// then passcards in group order), at most `limit` of them, each with its menu text
// "group\passcard".
struct Bookmark {
    Passcard* passcard;
    std::string text;
};
std::vector<Bookmark> Bookmarks(const Database& database, std::size_t limit, PasscardScope scope = PasscardScope::All);

// Quick search: the shorter of the node's name and the typed text is the start of the longer,
// compared without regard to ASCII case. A node without a name never matches.
bool QuickSearchMatches(std::string_view name, std::string_view typed);
// The first node, in pre-order from the database, whose name matches; null when none does.
// `withItems`: items count too (the compact layout shows them in the tree). Passcards outside the
// scope, and their items, are not looked at.
ModelNode* QuickSearch(Database& database, std::string_view typed, bool withItems,
                       PasscardScope scope = PasscardScope::All);

// Whether dropping the node on another program's window fills something in: a passcard set to
// use auto-fill (its template), or an item with a value.
bool FillsByDrop(const ModelNode& node);

// The passcard the auto-fill chooser starts on for a window of this title: the first one set to
// use auto-fill, in tree order, last typed into a window of exactly this title; null when none.
Passcard* PasscardLastUsedFor(const Database& database, std::string_view windowTitle);

// Whether the node opens as a link (a click in the item list, a double click in the tree): an item
// of the URL type with a value.
bool IsLink(const ModelNode& node);
// What opening an item's value as a link hands to the system: the value as it is when it starts
// with "http://", "https://", "ftp://" or "mailto:" (in any case), else the value with "http://" in
// front.
std::string LinkTarget(std::string_view value);
// The help file: the executable's full path, lower-cased, with ".exe" replaced by ".chm".
std::string HelpFilePath(std::string_view executablePath);

} // namespace node_editing
} // namespace vaultlet

// Properties of the merge over random trees and random edits: names and creation times come from
// small sets, so nodes of equal identity are common; every edited value is new, so a value the base
// does not have is one that a side changed.
#include "core/DatabaseMerge.h"

#include "core/ModelCopy.h"
#include "tests/support/ModelComparison.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

using namespace vaultlet;

namespace {

constexpr int kRounds = 300;
const char* const kNames[] = {"a", "b", "c"};
const ItemType kTypes[] = {ItemType::Password, ItemType::Login, ItemType::Custom};

class RandomTrees {
public:
    explicit RandomTrees(unsigned seed) : m_random(seed) {}

    std::unique_ptr<Database> Base() {
        auto database = std::make_unique<Database>();
        database->SetName("db");
        for (int g = Below(3) + 1; g > 0; --g) {
            auto group = NewNode<Group>();
            for (int p = Below(5); p > 0; --p) {
                auto passcard = NewNode<Passcard>();
                for (int i = Below(4); i > 0; --i) {
                    passcard->Add(NewItem());
                }
                group->Add(std::move(passcard));
            }
            database->Add(std::move(group));
        }
        return database;
    }

    void Edit(Database& database, int edits) {
        for (; edits > 0; --edits) {
            std::vector<ModelNode*> nodes;
            Collect(database, nodes);
            ModelNode& node = *nodes[static_cast<std::size_t>(Below(static_cast<int>(nodes.size())))];
            switch (Below(6)) {
            case 0:
            case 1:
                ChangeField(node);
                break;
            case 2:
                if (&node != &database) {
                    Remove(node);
                }
                break;
            case 3:
                AddChild(node);
                break;
            case 4:
                if (&node != &database) {
                    node.SetName(kNames[Below(3)]);
                }
                break;
            default:
                MoveOrSwap(database, node);
                break;
            }
        }
    }

    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

private:
    std::string Fresh() { return "v" + std::to_string(++m_counter); }

    template <typename Node>
    std::unique_ptr<Node> NewNode() {
        auto node = std::make_unique<Node>();
        node->SetName(kNames[Below(3)]);
        node->SetTime(Below(2) + 1);
        node->SetComment(Fresh());
        return node;
    }
    std::unique_ptr<Item> NewItem() {
        auto item = NewNode<Item>();
        item->SetType(kTypes[Below(3)]);
        item->SetValue(Fresh());
        return item;
    }

    static void Collect(Database& database, std::vector<ModelNode*>& nodes) {
        nodes.push_back(&database);
        for (const auto& group : database.Children()) {
            nodes.push_back(group.get());
            for (const auto& passcard : group->Children()) {
                nodes.push_back(passcard.get());
                for (const auto& item : passcard->Children()) {
                    nodes.push_back(item.get());
                }
            }
        }
    }

    void ChangeField(ModelNode& node) {
        const int field = Below(4);
        if (field == 0) {
            node.SetComment(Fresh());
        } else if (field == 1) {
            node.SetImage(100 + ++m_counter);
        } else if (node.Kind() == NodeKind::Item) {
            auto& item = static_cast<Item&>(node);
            const std::string fresh = Fresh();
            if (field == 2) {
                item.SetValue(fresh);
            } else {
                item.SetBinary(reinterpret_cast<const std::uint8_t*>(fresh.data()), fresh.size());
            }
        } else if (node.Kind() == NodeKind::Passcard) {
            auto& passcard = static_cast<Passcard&>(node);
            if (field == 2) {
                passcard.SetAutofillString(Fresh());
            } else {
                passcard.SetExpiration(1000 + ++m_counter);
            }
        }
    }

    static void Remove(ModelNode& node) {
        Database* root = nullptr;
        for (ModelNode* up = &node; up != nullptr; up = up->Parent()) {
            root = up->Kind() == NodeKind::Database ? static_cast<Database*>(up) : root;
        }
        root->DeleteNode(&node);
    }

    template <typename Container, typename Child>
    void InsertAnywhere(Container& container, std::unique_ptr<Child> child) {
        container.Insert(std::move(child), static_cast<std::size_t>(Below(static_cast<int>(container.Count()) + 1)));
    }

    void AddChild(ModelNode& node) {
        switch (node.Kind()) {
        case NodeKind::Database:
            InsertAnywhere(static_cast<Database&>(node), NewNode<Group>());
            break;
        case NodeKind::Group:
            InsertAnywhere(static_cast<Group&>(node), NewNode<Passcard>());
            break;
        case NodeKind::Passcard:
            InsertAnywhere(static_cast<Passcard&>(node), NewItem());
            break;
        case NodeKind::Item:
            break;
        }
    }

    // A passcard into a random group, an item into the first passcard of a random group, or a group
    // swapped with the first one.
    void MoveOrSwap(Database& database, ModelNode& node) {
        if (database.Count() == 0) {
            return;
        }
        Group& target = *database.At(static_cast<std::size_t>(Below(static_cast<int>(database.Count()))));
        if (node.Kind() == NodeKind::Passcard) {
            auto& passcard = static_cast<Passcard&>(node);
            InsertAnywhere(target, static_cast<Group*>(passcard.Parent())->Detach(&passcard));
        } else if (node.Kind() == NodeKind::Item && target.Count() > 0) {
            auto& item = static_cast<Item&>(node);
            InsertAnywhere(*target.At(0), static_cast<Passcard*>(item.Parent())->Detach(&item));
        } else if (node.Kind() == NodeKind::Group) {
            auto& group = static_cast<Group&>(node);
            database.Insert(database.Detach(&group), 0);
        }
    }

    std::mt19937 m_random;
    int m_counter = 0;
};

// Every value below the root, as "kind field value" (names, flags and the window fields left out).
std::set<std::string> ValuesOf(const Database& database) {
    std::set<std::string> values;
    const auto add = [&](const ModelNode& node, const char* field, std::string_view value) {
        values.insert(std::to_string(static_cast<int>(node.Kind())) + " " + field + " " + std::string(value));
    };
    const auto addNode = [&](const ModelNode& node) {
        add(node, "comment", node.Comment().Viewed());
        add(node, "image", std::to_string(node.Image()));
    };
    for (const auto& group : database.Children()) {
        addNode(*group);
        for (const auto& passcard : group->Children()) {
            addNode(*passcard);
            add(*passcard, "template", passcard->StoredAutofillString().Viewed());
            add(*passcard, "expiration", std::to_string(passcard->Expiration()));
            for (const auto& item : passcard->Children()) {
                addNode(*item);
                add(*item, "value", item->Value().Viewed());
                add(*item, "binary", {reinterpret_cast<const char*>(item->BinaryData()), item->BinarySize()});
            }
        }
    }
    return values;
}

std::unique_ptr<Database> Merged(const Database* base, const Database& ours, const Database& theirs) {
    return DatabaseMerge::Merge(base, ours, theirs, " (other copy)").merged;
}

class DatabaseMergePropertiesTest : public test::ModelFixture {
protected:
    // Runs the check over random bases, each edited on both sides.
    template <typename Check>
    static void ForRandomTrees(Check check) {
        for (int round = 0; round < kRounds; ++round) {
            SCOPED_TRACE("round " + std::to_string(round));
            RandomTrees trees(static_cast<unsigned>(round));
            const auto base = trees.Base();
            auto ours = ModelCopy::Of(*base);
            auto theirs = ModelCopy::Of(*base);
            trees.Edit(*ours, trees.Below(6) + 1);
            trees.Edit(*theirs, trees.Below(6) + 1);
            check(*base, *ours, *theirs);
            if (::testing::Test::HasFailure()) {
                return;
            }
        }
    }
};

} // namespace

TEST_F(DatabaseMergePropertiesTest, MergingWithAnUnchangedSideGivesTheOtherSide) {
    ForRandomTrees([](const Database& base, const Database& ours, const Database& theirs) {
        EXPECT_TRUE(test::ModelsEqual(theirs, *Merged(&base, base, theirs)));
        EXPECT_TRUE(test::ModelsEqual(ours, *Merged(&base, ours, base)));
    });
}

TEST_F(DatabaseMergePropertiesTest, NoValueASideChangedIsMissingFromTheResult) {
    ForRandomTrees([](const Database& base, const Database& ours, const Database& theirs) {
        const std::set<std::string> before = ValuesOf(base);
        const std::unique_ptr<Database> results[] = {Merged(&base, ours, theirs), Merged(nullptr, ours, theirs)};
        for (const auto& merged : results) {
            const std::set<std::string> after = ValuesOf(*merged);
            for (const Database* side : {&ours, &theirs}) {
                for (const std::string& value : ValuesOf(*side)) {
                    EXPECT_TRUE(before.count(value) != 0 || after.count(value) != 0) << value;
                }
            }
        }
    });
}

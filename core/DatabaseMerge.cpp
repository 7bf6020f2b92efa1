#include "core/DatabaseMerge.h"

#include "core/ModelCopy.h"
#include "core/ModifiedFlag.h"
#include "core/NodeEquality.h"
#include "core/SiblingMatch.h"

#include <algorithm>
#include <cstdint>

namespace vaultlet {
namespace {

struct BinaryView {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;

    bool operator==(const BinaryView& other) const {
        return size == other.size && std::equal(data, data + size, other.data);
    }
};

BinaryView BinaryOf(const Item& item) {
    return {item.BinaryData(), item.BinarySize()};
}

std::string_view Text(const SecureString& text) {
    return text.Viewed();
}

// Picks the fields of one node from its versions: the side that changed a field, or ours when both
// changed it differently (a conflict). Without a base every difference is a conflict.
class FieldPicker {
public:
    explicit FieldPicker(bool hasBase) : m_hasBase(hasBase) {}

    template <typename T>
    T Pick(const T& base, const T& ours, const T& theirs) {
        if (ours == theirs) {
            return ours;
        }
        if (m_hasBase && base == ours) {
            m_tookTheirs = true;
            return theirs;
        }
        m_conflict = m_conflict || !(m_hasBase && base == theirs);
        return ours;
    }
    // For a field the program records by itself: a conflict keeps ours and asks for no copy.
    template <typename T>
    T PickQuietly(const T& base, const T& ours, const T& theirs) {
        const bool conflict = m_conflict;
        const T picked = Pick(base, ours, theirs);
        m_conflict = conflict;
        return picked;
    }

    bool TookTheirs() const noexcept { return m_tookTheirs; }
    bool Conflict() const noexcept { return m_conflict; }

private:
    bool m_hasBase;
    bool m_tookTheirs = false;
    bool m_conflict = false;
};

template <typename Container>
SiblingMatch::List ChildrenOf(const Container* container) {
    SiblingMatch::List list;
    if (container != nullptr) {
        list.reserve(container->Count());
        for (const auto& child : container->Children()) {
            list.push_back(child.get());
        }
    }
    return list;
}

class Merger {
public:
    Merger(std::string_view otherCopySuffix, MergeReport& report) : m_suffix(otherCopySuffix), m_report(report) {}

    void Root(const Database* base, const Database& ours, const Database& theirs, Database& merged);

private:
    template <typename Container>
    void Children(const Container* base, const Container& ours, const Container& theirs, Container& merged);
    template <typename Child, typename Container>
    void Resolve(const Child* base, const Child* ours, const Child* theirs, Container& merged);

    void Both(const Item* base, const Item& ours, const Item& theirs, Passcard& merged);
    void Both(const Passcard* base, const Passcard& ours, const Passcard& theirs, Group& merged);
    void Both(const Group* base, const Group& ours, const Group& theirs, Database& merged);
    void PickNodeFields(FieldPicker& picker, const ModelNode& base, const ModelNode& ours, const ModelNode& theirs,
                        ModelNode& merged) const;
    // Puts theirs beside ours when the fields conflicted, and counts what the fields did.
    template <typename Node, typename Container>
    void AddWithOtherCopy(const FieldPicker& picker, std::unique_ptr<Node> node, std::unique_ptr<Node> theirs,
                          Container& merged);

    std::string_view m_suffix;
    MergeReport& m_report;
};

template <typename Container>
void Merger::Children(const Container* base, const Container& ours, const Container& theirs, Container& merged) {
    using Child = typename Container::ChildList::value_type::element_type;
    const SiblingMatch match(ChildrenOf(base), ChildrenOf(&ours), ChildrenOf(&theirs));
    for (const SiblingMatch::Slot& slot : match.Ordered()) {
        Resolve(static_cast<const Child*>(slot.base), static_cast<const Child*>(slot.ours),
                static_cast<const Child*>(slot.theirs), merged);
    }
}

template <typename Child, typename Container>
void Merger::Resolve(const Child* base, const Child* ours, const Child* theirs, Container& merged) {
    if (ours != nullptr && theirs != nullptr) {
        if (NodeEquality::Same(*ours, *theirs) || (base != nullptr && NodeEquality::Same(*base, *theirs))) {
            merged.Add(ModelCopy::Of(*ours));
        } else {
            Both(base, *ours, *theirs, merged);
        }
        return;
    }
    if (ours != nullptr) {
        if (base != nullptr && NodeEquality::Same(*base, *ours)) {
            ++m_report.removed;
        } else {
            merged.Add(ModelCopy::Of(*ours));
        }
        return;
    }
    if (base == nullptr || !NodeEquality::Same(*base, *theirs)) {
        merged.Add(ModelCopy::Of(*theirs));
        ++m_report.added;
    }
}

void Merger::PickNodeFields(FieldPicker& picker, const ModelNode& base, const ModelNode& ours, const ModelNode& theirs,
                            ModelNode& merged) const {
    merged.SetComment(picker.Pick(Text(base.Comment()), Text(ours.Comment()), Text(theirs.Comment())));
    merged.SetImage(picker.Pick(base.Image(), ours.Image(), theirs.Image()));
}

template <typename Node, typename Container>
void Merger::AddWithOtherCopy(const FieldPicker& picker, std::unique_ptr<Node> node, std::unique_ptr<Node> theirs,
                              Container& merged) {
    if (picker.TookTheirs()) {
        ++m_report.changed;
    }
    merged.Add(std::move(node));
    if (picker.Conflict()) {
        SecureString name(theirs->Name().Viewed());
        name.append(m_suffix.data(), m_suffix.size());
        theirs->SetName(name.Viewed());
        merged.Add(std::move(theirs));
        ++m_report.otherCopies;
    }
}

void Merger::Both(const Item* base, const Item& ours, const Item& theirs, Passcard& merged) {
    FieldPicker picker(base != nullptr);
    const Item& b = base != nullptr ? *base : ours;
    auto item = ModelCopy::Of(ours);
    PickNodeFields(picker, b, ours, theirs, *item);
    item->SetMeta(picker.Pick(Text(b.Meta()), Text(ours.Meta()), Text(theirs.Meta())));
    item->SetValue(picker.Pick(Text(b.Value()), Text(ours.Value()), Text(theirs.Value())));
    item->SetHidden(picker.Pick(b.Hidden(), ours.Hidden(), theirs.Hidden()));
    const BinaryView binary = picker.Pick(BinaryOf(b), BinaryOf(ours), BinaryOf(theirs));
    item->SetBinary(binary.data, binary.size);
    AddWithOtherCopy(picker, std::move(item), ModelCopy::Of(theirs), merged);
}

void Merger::Both(const Passcard* base, const Passcard& ours, const Passcard& theirs, Group& merged) {
    FieldPicker picker(base != nullptr);
    const Passcard& b = base != nullptr ? *base : ours;
    auto passcard = ModelCopy::FieldsOf(ours);
    PickNodeFields(picker, b, ours, theirs, *passcard);
    passcard->SetBookmark(picker.Pick(b.Bookmark(), ours.Bookmark(), theirs.Bookmark()));
    passcard->SetUseAutofill(picker.Pick(b.UseAutofill(), ours.UseAutofill(), theirs.UseAutofill()));
    passcard->SetAutofillString(picker.Pick(Text(b.StoredAutofillString()), Text(ours.StoredAutofillString()),
                                            Text(theirs.StoredAutofillString())));
    passcard->SetExpiration(picker.Pick(b.Expiration(), ours.Expiration(), theirs.Expiration()));
    passcard->SetWindow(picker.PickQuietly(Text(b.Window()), Text(ours.Window()), Text(theirs.Window())));
    passcard->SetWindowId(picker.PickQuietly(Text(b.WindowId()), Text(ours.WindowId()), Text(theirs.WindowId())));
    Children(base, ours, theirs, *passcard);
    AddWithOtherCopy(picker, std::move(passcard), ModelCopy::Of(theirs), merged);
}

void Merger::Both(const Group* base, const Group& ours, const Group& theirs, Database& merged) {
    FieldPicker picker(base != nullptr);
    auto group = ModelCopy::FieldsOf(ours);
    PickNodeFields(picker, base != nullptr ? *base : ours, ours, theirs, *group);
    Children(base, ours, theirs, *group);
    AddWithOtherCopy(picker, std::move(group), ModelCopy::FieldsOf(theirs), merged);
}

void Merger::Root(const Database* base, const Database& ours, const Database& theirs, Database& merged) {
    const Database& b = base != nullptr ? *base : ours;
    merged.SetName(Text(ours.Name()));
    // The root's creation time identifies nothing; files written by others may differ in it.
    FieldPicker time(base != nullptr);
    merged.SetTime(time.PickQuietly(b.Time(), ours.Time(), theirs.Time()));
    m_report.otherName = ours.Name() != theirs.Name();

    FieldPicker note(base != nullptr);
    merged.SetComment(note.Pick(Text(b.Comment()), Text(ours.Comment()), Text(theirs.Comment())));
    if (note.Conflict()) {
        SecureString joined(Text(ours.Comment()));
        joined.append("\n\n").append(Text(theirs.Comment()));
        merged.SetComment(joined.Viewed());
        m_report.notesJoined = true;
    }
    FieldPicker icon(base != nullptr);
    merged.SetImage(icon.Pick(b.Image(), ours.Image(), theirs.Image()));
    m_report.otherImage = icon.Conflict();
    if (note.TookTheirs() || icon.TookTheirs()) {
        ++m_report.changed;
    }
    Children(base, ours, theirs, merged);
}

} // namespace

MergeResult DatabaseMerge::Merge(const Database* base, const Database& ours, const Database& theirs,
                                 std::string_view otherCopySuffix) {
    const ModifiedFlag::Preserved flag;
    MergeResult result;
    result.merged = std::make_unique<Database>();
    Merger(otherCopySuffix, result.report).Root(base, ours, theirs, *result.merged);
    return result;
}

} // namespace vaultlet

#include "cli/NodeText.h"

#include "cli/ItemTypeNames.h"
#include "cli/OutputText.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"

#include <chrono>
#include <cstdio>

namespace vaultlet {
namespace {

// Seconds from 1601-01-01 (the start of Windows file times) to 1970-01-01.
constexpr std::int64_t kFileTimeEpochOffset = 11644473600;
constexpr std::uint64_t kFileTimeUnitsPerSecond = 10000000;

void AddLine(SecureString& text, std::string_view label, std::string_view value) {
    text += label;
    text += ": ";
    AppendOneLine(text, value);
    text += '\n';
}

std::string_view YesNo(bool value) {
    return value ? "yes" : "no";
}

std::string_view ValueShown(const Item& item, bool reveal) {
    return item.Hidden() && !reveal ? std::string_view(NodeText::kMask) : item.Value().Viewed();
}

std::string FormatExpiration(std::uint64_t fileTime) {
    if (fileTime == 0) {
        return "never";
    }
    const auto seconds = static_cast<std::int64_t>(fileTime / kFileTimeUnitsPerSecond) - kFileTimeEpochOffset;
    return NodeText::FormatUtc(seconds);
}

} // namespace

SecureString NodeText::ListLine(const ModelNode& node, bool reveal) {
    SecureString line;
    AppendOneLine(line, node.Name().Viewed());
    if (node.Kind() == NodeKind::Item) {
        line += ": ";
        AppendOneLine(line, ValueShown(static_cast<const Item&>(node), reveal));
    }
    line += '\n';
    return line;
}

SecureString NodeText::Fields(const ModelNode& node, bool reveal) {
    SecureString text;
    switch (node.Kind()) {
    case NodeKind::Group:
        AddGroupFields(text, static_cast<const Group&>(node));
        break;
    case NodeKind::Passcard:
        AddPasscardFields(text, static_cast<const Passcard&>(node));
        break;
    case NodeKind::Item:
        AddItemFields(text, static_cast<const Item&>(node), reveal);
        break;
    case NodeKind::Database:
        AddLine(text, "Name", node.Name().Viewed());
        AddCommonFields(text, node);
        break;
    }
    return text;
}

void NodeText::AddGroupFields(SecureString& text, const Group& group) {
    AddLine(text, "Name", group.Name().Viewed());
    AddCommonFields(text, group);
    AddLine(text, "Passcards", std::to_string(group.PasscardCount()));
}

void NodeText::AddPasscardFields(SecureString& text, const Passcard& passcard) {
    AddLine(text, "Name", passcard.Name().Viewed());
    AddCommonFields(text, passcard);
    AddLine(text, "Fields", std::to_string(passcard.Count()));
    AddLine(text, "Bookmark", YesNo(passcard.Bookmark()));
    AddLine(text, "Autofill", YesNo(passcard.UseAutofill()));
    AddLine(text, "Autofill string", passcard.AutofillString());
    AddLine(text, "Window", passcard.Window().Viewed());
    AddLine(text, "Window ID", passcard.WindowId().Viewed());
    AddLine(text, "Expires", FormatExpiration(passcard.Expiration()));
    AddLine(text, "Expired", YesNo(passcard.IsExpired()));
}

void NodeText::AddItemFields(SecureString& text, const Item& item, bool reveal) {
    AddLine(text, "Name", item.Name().Viewed());
    AddLine(text, "Type", ItemTypeNames::Label(item.Type()));
    AddLine(text, "Value", ValueShown(item, reveal));
    AddLine(text, "Hidden", YesNo(item.Hidden()));
    AddLine(text, "Meta", item.Meta().Viewed());
    AddCommonFields(text, item);
    AddLine(text, "Attachment", std::to_string(item.BinarySize()) + " bytes");
}

void NodeText::AddCommonFields(SecureString& text, const ModelNode& node) {
    AddLine(text, "Comment", node.Comment().Viewed());
    AddLine(text, "Image", std::to_string(node.Image()));
    AddLine(text, "Created", node.Time() == 0 ? std::string() : FormatUtc(node.Time()));
}

std::string NodeText::FormatUtc(std::int64_t unixSeconds) {
    using namespace std::chrono;
    const sys_seconds moment{seconds{unixSeconds}};
    const sys_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{moment - day};
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u %02ld:%02ld:%02ld UTC", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<long>(time.hours().count()), static_cast<long>(time.minutes().count()),
                  static_cast<long>(time.seconds().count()));
    return buffer;
}

} // namespace vaultlet

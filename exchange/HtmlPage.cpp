#include "exchange/HtmlPage.h"

#include "core/Database.h"
#include "core/SecureXmlPrinter.h"
#include "core/TextConversion.h"
#include "exchange/ExportSelection.h"
#include "exchange/ExportStylesheet.h"
#include "core/WipedXmlDocument.h"

#include <tinyxml2.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

namespace vaultlet {
namespace {

using tinyxml2::XMLElement;

XMLElement* AppendElement(XMLElement* parent, const char* name, const char* cssClass = nullptr) {
    XMLElement* element = parent->InsertNewChildElement(name);
    if (cssClass != nullptr) {
        element->SetAttribute("class", cssClass);
    }
    return element;
}

// An element holding the ANSI text converted to UTF-8.
XMLElement* AppendText(XMLElement* parent, const char* name, std::string_view ansi) {
    XMLElement* element = parent->InsertNewChildElement(name);
    if (!ansi.empty()) {
        element->InsertNewText(AnsiToUtf8(ansi).c_str());
    }
    return element;
}

// HTML shows a line break in text as a blank, so each one becomes a "br": notes keep their lines on
// the page. A line ends with CR LF, LF or a lone CR.
void AppendLines(XMLElement* element, std::string_view ansi) {
    while (!ansi.empty()) {
        const std::size_t end = ansi.find_first_of("\r\n");
        if (end != 0) {
            element->InsertNewText(AnsiToUtf8(ansi.substr(0, end)).c_str());
        }
        if (end == std::string_view::npos) {
            break;
        }
        element->InsertNewChildElement("br");
        const bool crLf = ansi[end] == '\r' && end + 1 < ansi.size() && ansi[end + 1] == '\n';
        ansi.remove_prefix(end + (crLf ? 2 : 1));
    }
}

bool IsBlankInHtml(std::string_view text) {
    return text.find_first_not_of(" \t\r\n\f") == std::string_view::npos;
}

void AppendCommentParagraph(XMLElement* parent, std::string_view comment) {
    if (!comment.empty()) {
        AppendLines(AppendElement(parent, "p"), comment);
    }
}

void AppendLink(XMLElement* parent, std::string_view target, std::string_view text) {
    XMLElement* link = AppendText(parent, "a", text);
    link->SetAttribute("href", AnsiToUtf8(target).c_str());
}

// The page holds every secret in clear: a link may only lead to a web or file-transfer address.
// Imported files are of unknown origin, and a "javascript:" or "data:" value made a link would run
// in the browser with the page's text at hand.
bool IsWebAddress(std::string_view value) {
    for (const std::string_view scheme : {"http://", "https://", "ftp://"}) {
        if (value.size() >= scheme.size() &&
            std::equal(scheme.begin(), scheme.end(), value.begin(), [](char expected, char actual) {
                return expected == std::tolower(static_cast<unsigned char>(actual));
            })) {
            return true;
        }
    }
    return false;
}

void WriteItem(XMLElement* list, const Item& item) {
    SecureString term = item.Name().Copy();
    term.push_back(':');
    AppendText(list, "dt", term);
    XMLElement* description = AppendElement(list, "dd");
    switch (item.Type()) {
    case ItemType::Url:
        if (IsWebAddress(item.Value())) {
            AppendLink(description, item.Value(), item.Value());
        } else {
            AppendLines(description, item.Value());
        }
        break;
    case ItemType::Mail: {
        SecureString target("mailto:");
        target.append(item.Value());
        AppendLink(description, target, item.Value());
        break;
    }
    default:
        AppendLines(description, item.Value());
        break;
    }
    // The term floats beside its description; a description without visible text would have no
    // height, and the next term would float up beside this one.
    if (IsBlankInHtml(item.Value())) {
        description->InsertNewChildElement("br");
    }
}

// The passcard's heading and comment; the caller adds its item list.
XMLElement* WritePasscardShell(XMLElement* parent, const Passcard& passcard) {
    XMLElement* block = AppendElement(parent, "div", "passcard");
    AppendText(block, "h3", passcard.Name());
    AppendCommentParagraph(block, passcard.Comment());
    return block;
}

void WritePasscard(XMLElement* parent, const Passcard& passcard) {
    XMLElement* list = AppendElement(WritePasscardShell(parent, passcard), "dl");
    for (const auto& item : passcard.Children()) {
        WriteItem(list, *item);
    }
}

// The group's heading and comment; the caller adds its passcards.
XMLElement* WriteGroupShell(XMLElement* parent, const Group& group) {
    XMLElement* block = AppendElement(parent, "div", "group");
    SecureString heading("Group: ");
    heading.append(group.Name());
    AppendText(block, "h2", heading);
    AppendCommentParagraph(block, group.Comment());
    return block;
}

void WriteGroup(XMLElement* parent, const Group& group) {
    XMLElement* block = WriteGroupShell(parent, group);
    for (const auto& passcard : group.Children()) {
        WritePasscard(block, *passcard);
    }
}

void WriteSelection(XMLElement* parent, const Database& database, const ExportSelection& selection) {
    using Scope = ExportSelection::Scope;
    switch (selection.scope) {
    case Scope::Database:
        for (const auto& group : database.Children()) {
            WriteGroup(parent, *group);
        }
        break;
    case Scope::Group:
        WriteGroup(parent, *selection.group);
        break;
    case Scope::Passcard:
        WritePasscard(WriteGroupShell(parent, *selection.group), *selection.passcard);
        break;
    case Scope::Item: {
        XMLElement* passcard = WritePasscardShell(WriteGroupShell(parent, *selection.group), *selection.passcard);
        WriteItem(AppendElement(passcard, "dl"), *selection.item);
        break;
    }
    }
}

void WriteHead(XMLElement* html, const Database& database, HtmlPageVariant variant, std::string_view stylesheet) {
    XMLElement* head = AppendElement(html, "head");
    XMLElement* meta = AppendElement(head, "meta");
    meta->SetAttribute("http-equiv", "content-type");
    meta->SetAttribute("content", variant == HtmlPageVariant::File ? "text/html; charset=utf-8" : "text/html;");
    AppendText(head, "title", database.Name());
    XMLElement* style = AppendElement(head, "style");
    style->SetAttribute("type", "text/css");
    if (!stylesheet.empty()) {
        style->InsertNewText(std::string(stylesheet).c_str());
    }
}

bool IsVoidElement(const char* name) {
    return std::strcmp(name, "meta") == 0 || std::strcmp(name, "br") == 0;
}

// The printer writes an element without content as "<x/>", which HTML reads as an opening tag only:
// "<title/>" or "<style/>" would swallow the rest of the page, "<a/>" turn it into a link. Every
// element but the void ones therefore gets an empty text, which makes the printer close it.
void CloseEmptyElements(XMLElement* element) {
    if (element->NoChildren()) {
        if (!IsVoidElement(element->Name())) {
            element->InsertNewText("");
        }
        return;
    }
    for (XMLElement* child = element->FirstChildElement(); child != nullptr; child = child->NextSiblingElement()) {
        CloseEmptyElements(child);
    }
}

SecureString BuildPage(const Database& database, const ExportSelection& selection, HtmlPageVariant variant,
                       std::string_view stylesheet) {
    WipedXmlDocument document;
    XMLElement* html = document->NewElement("html");
    document->InsertEndChild(html);
    WriteHead(html, database, variant, stylesheet);
    XMLElement* main = AppendElement(AppendElement(html, "body"), "div", "main");
    XMLElement* databaseBlock = AppendElement(main, "div", "database");
    AppendText(databaseBlock, "h1", database.Name());
    AppendCommentParagraph(databaseBlock, database.Comment());
    WriteSelection(databaseBlock, database, selection);
    CloseEmptyElements(html);

    SecureString page;
    SecureXmlPrinter printer(page);
    document->Print(&printer);
    return page;
}

} // namespace

SecureString HtmlPage::Build(const Database& database, const ModelNode* node, HtmlPageVariant variant) {
    return Build(database, node, variant, ExportStylesheet());
}

SecureString HtmlPage::Build(const Database& database, const ModelNode* node, HtmlPageVariant variant,
                             std::string_view stylesheet) {
    const auto selection = ExportSelection::Resolve(database, node);
    if (!selection) {
        return {};
    }
    try {
        return BuildPage(database, *selection, variant, stylesheet);
    } catch (...) {
        // Out of memory on a huge database: no page, which the callers treat as failure.
        return {};
    }
}

} // namespace vaultlet

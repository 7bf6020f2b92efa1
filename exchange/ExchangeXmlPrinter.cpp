#include "exchange/ExchangeXmlPrinter.h"

#include "core/SecureString.h"
#include "exchange/AsciiText.h"

#include <string_view>

namespace vaultlet {
namespace {

bool IsAllSpace(std::string_view text) {
    for (const char c : text) {
        if (!IsXmlSpace(c)) {
            return false;
        }
    }
    return true;
}

const char* SpaceReference(char c) {
    switch (c) {
    case '\t':
        return "&#9;";
    case '\n':
        return "&#10;";
    case '\r':
        return "&#13;";
    default:
        return "&#32;";
    }
}

void AppendEscaped(SecureString& out, std::string_view text) {
    const bool allSpace = IsAllSpace(text);
    for (const char c : text) {
        if (allSpace || c == '\r') {
            out.append(SpaceReference(c));
        } else if (c == '&') {
            out.append("&amp;");
        } else if (c == '<') {
            out.append("&lt;");
        } else if (c == '>') {
            out.append("&gt;");
        } else {
            out.push_back(c);
        }
    }
}

} // namespace

bool ExchangeXmlPrinter::Visit(const tinyxml2::XMLText& text) {
    // An empty text through the library closes the open tag and keeps the element on one line.
    PushText("", false);
    SecureString escaped;
    AppendEscaped(escaped, text.Value());
    Write(escaped.data(), escaped.size());
    return true;
}

} // namespace vaultlet

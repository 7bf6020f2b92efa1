#include "exchange/BlankElementText.h"

#include "exchange/AsciiText.h"

namespace vaultlet {
namespace {

constexpr auto npos = std::string_view::npos;

struct Markup {
    std::size_t end = npos;    // one past the closing '>'
    bool opensContent = false; // a start tag that is not self-closing
};

// The end of a start tag, respecting quoted attribute values.
Markup ScanStartTag(std::string_view text, std::size_t pos) {
    char quote = 0;
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return {i + 1, text[i - 1] != '/'};
        }
    }
    return {};
}

Markup ScanUntil(std::string_view text, std::size_t pos, std::string_view terminator) {
    const std::size_t end = text.find(terminator, pos);
    return {end == npos ? npos : end + terminator.size(), false};
}

// The markup that starts with the '<' at pos.
Markup ScanMarkup(std::string_view text, std::size_t pos) {
    const std::string_view rest = text.substr(pos);
    if (rest.starts_with("<!--")) {
        return ScanUntil(text, pos + 4, "-->");
    }
    if (rest.starts_with("<![CDATA[")) {
        return ScanUntil(text, pos + 9, "]]>");
    }
    if (rest.starts_with("<?")) {
        return ScanUntil(text, pos + 2, "?>");
    }
    if (rest.starts_with("<!") || rest.starts_with("</")) {
        return ScanUntil(text, pos + 2, ">");
    }
    return ScanStartTag(text, pos);
}

void AppendAsReferences(SecureString& out, std::string_view space) {
    for (std::size_t i = 0; i < space.size(); ++i) {
        switch (space[i]) {
        case ' ':
            out.append("&#32;");
            break;
        case '\t':
            out.append("&#9;");
            break;
        case '\r':
            if (i + 1 < space.size() && space[i + 1] == '\n') {
                ++i;
            }
            out.append("&#10;");
            break;
        default:
            out.append("&#10;");
            break;
        }
    }
}

} // namespace

SecureString KeepBlankElementText(std::string_view text) {
    SecureString out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('<', pos);
        const Markup markup = open == npos ? Markup{} : ScanMarkup(text, open);
        if (markup.end == npos) {
            out.append(text.substr(pos));
            break;
        }
        out.append(text.substr(pos, markup.end - pos));
        pos = markup.end;
        if (!markup.opensContent) {
            continue;
        }
        std::size_t spaceEnd = pos;
        while (spaceEnd < text.size() && IsXmlSpace(text[spaceEnd])) {
            ++spaceEnd;
        }
        if (spaceEnd > pos && text.substr(spaceEnd).starts_with("</")) {
            AppendAsReferences(out, text.substr(pos, spaceEnd - pos));
            pos = spaceEnd;
        }
    }
    return out;
}

} // namespace vaultlet

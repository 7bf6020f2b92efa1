#pragma once

#include "core/SecureString.h"

#include <string_view>

namespace vaultlet {

class Database;
class ModelNode;

// Which use the page is for. Both are UTF-8 text and differ only in the content type they declare:
// the page written to a file names its charset, the printed one does not because the printing
// code hands it to the HTML engine in the ANSI code page.
enum class HtmlPageVariant { File, Print };

// The HTML page of a database, or of one group, passcard or item of it (chosen as for the XML
// export, see ExportSelection): head with title and embedded stylesheet, then one block per group,
// passcard and item. Built as an element tree and printed with one tab per level; values, hidden
// ones included, are written in clear.
class HtmlPage {
public:
    // With the program's stylesheet (ExportStylesheet). Empty when the node is not part of the
    // database.
    static SecureString Build(const Database& database, const ModelNode* node, HtmlPageVariant variant);
    // With the given stylesheet; an empty one leaves the style element empty.
    static SecureString Build(const Database& database, const ModelNode* node, HtmlPageVariant variant,
                              std::string_view stylesheet);
};

} // namespace vaultlet

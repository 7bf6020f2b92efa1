#pragma once

#include <string>
#include <string_view>

namespace vaultlet {

class Database;
class ModelNode;

// A file format that a database, or one group, passcard or item of it, can be written to.
class ExportFormat {
public:
    // Filter text for the file dialog: a description, "%", a pattern and a closing "%" ("%" stands
    // for the NUL the dialog wants).
    virtual std::string_view fileFilter() const = 0;
    // Short name of the format for messages.
    virtual std::string_view displayName() const = 0;
    // Writes the database, or only the part that node selects when it is a group, passcard or item
    // of it (null or the database itself means everything). True when the file was written.
    virtual bool exportTo(const std::string& fileName, const Database& database, const ModelNode* node) const = 0;

    virtual ~ExportFormat() = default;
};

} // namespace vaultlet

#include "cli/ExportCommand.h"

#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/NodePath.h"
#include "cli/OutputText.h"
#include "core/SafeFileWriter.h"
#include "exchange/HtmlPage.h"
#include "exchange/XmlExport.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vaultlet {
namespace {

constexpr OptionSpec kOptions[] = {{"node", true}};
constexpr CommandSyntax kSyntax{"export", "FILE document|xml|html OUT [--node PATH]", 3, 3, kOptions};

constexpr std::string_view kStandardOutput = "-";

enum class Format { Document, Xml, Html };

Format FormatOf(std::string_view name) {
    if (name == "document") {
        return Format::Document;
    }
    if (name == "xml") {
        return Format::Xml;
    }
    if (name == "html") {
        return Format::Html;
    }
    throw UsageError("unknown export format \"" + OneLine(name) + "\" (document, xml or html)");
}

// Writing the export over the database would replace the encrypted file with plain text.
void RequireOtherFile(std::string_view databasePath, std::string_view outPath) {
    std::error_code error;
    if (std::filesystem::equivalent(std::filesystem::path(databasePath), std::filesystem::path(outPath), error)) {
        throw UsageError("OUT \"" + OneLine(outPath) + "\" is the database file itself");
    }
}

// The text the program's XML or HTML export puts into its file.
SecureString ExchangeText(Format format, const Database& database, const ModelNode* node) {
    SecureString text;
    bool built = false;
    if (format == Format::Xml) {
        built = XmlExport::Print(database, node, text);
    } else {
        text = HtmlPage::Build(database, node, HtmlPageVariant::File);
        built = !text.empty();
    }
    if (!built) {
        throw CliFailure(ExitStatus::Internal, "the export could not be built");
    }
    return text;
}

} // namespace

const CommandSyntax& ExportCommand::Syntax() const noexcept {
    return kSyntax;
}

void ExportCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const std::string_view databasePath = arguments.Positional(0);
    const Format format = FormatOf(arguments.Positional(1));
    const std::string_view outPath = arguments.Positional(2);
    std::optional<NodePath> node;
    if (const std::optional<std::string_view> nodeText = arguments.Value("node")) {
        if (format == Format::Document) {
            throw UsageError("--node does not apply to the document, which is always the whole database");
        }
        node = NodePath::Parse(*nodeText);
    }
    if (outPath != kStandardOutput) {
        RequireOtherFile(databasePath, outPath);
    }
    // The document is the decrypted text as stored, not the model printed again: line ends and
    // anything else the model reads differently stay as the file has them.
    SecureString text;
    const auto database = DatabaseFile::Open(databasePath, context, format == Format::Document ? &text : nullptr);
    if (format != Format::Document) {
        text = ExchangeText(format, *database, node ? node->Resolve(*database).Last() : nullptr);
    }
    if (outPath == kStandardOutput) {
        context.out.write(text.data(), static_cast<std::streamsize>(text.size()));
    } else if (!WriteFileSafely(context.fileSystem, std::string(outPath), text.data(), text.size(),
                                NewFileAccess::Private)) {
        throw CliFailure(ExitStatus::SaveFailed, "could not write \"" + OneLine(outPath) + "\"");
    }
}

} // namespace vaultlet

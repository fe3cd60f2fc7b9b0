// dorvan-cli export and import: a whole document as JSON and back.
#include "CliCommands.h"
#include "CliMessages.h"
#include "CliOptions.h"
#include "DocumentJson.h"
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"
#include "archive/FileAccess.h"

#include <cstdio>
#include <ostream>

namespace {

// The text of a file, or of standard input for "-".
bool ReadText(const std::string& path, std::string& text, std::string& errorText)
{
    if (path == "-") {
        char buffer[65536];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
            text.append(buffer, n);
        if (std::ferror(stdin)) {
            errorText = "Failed to read standard input.";
            return false;
        }
        return true;
    }
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, errorText))
        return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

}  // namespace

int ExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed = ParseCliArgs(args, {"--json"}, {});
    if (const auto done = CommandPreamble("export", parsed, 1, "expects one document file name", out, err))
        return *done;
    const std::string* json = parsed.Value("--json");
    if (!json || json->empty())
        return UsageError("export", "expects --json OUT", err);

    CKalvexDoc doc;
    if (!LoadForCommand(parsed.positional[0], doc, err))
        return kExitFailure;
    std::string errorText;
    std::string text;
    try {
        text = DocumentToJson(doc);
    } catch (const std::exception&) {
        // Text that is not UTF-8 cannot be written as JSON.
        err << ErrorLine(parsed.positional[0], "the document holds text that is not UTF-8") << "\n";
        return kExitFailure;
    }
    if (!WriteOutput(*json, text, out, errorText)) {
        err << ErrorLine(*json, errorText) << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

int ImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed = ParseCliArgs(args, {}, {});
    if (const auto done = CommandPreamble("import", parsed, 2, "expects a JSON file name and a document file name",
                                          out, err))
        return *done;
    const std::string& source = parsed.positional[0];
    const std::string& target = parsed.positional[1];
    std::string text;
    std::string errorText;
    if (!ReadText(source, text, errorText)) {
        err << ErrorLine(source, errorText) << "\n";
        return kExitFailure;
    }
    CKalvexDoc doc;
    if (!DocumentFromJson(text, doc, errorText)) {
        err << "dorvan-cli: " << (source == "-" ? "standard input" : source) << ": " << errorText << "\n";
        return kExitFailure;
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes = WriteDocumentBytes(doc);
    } catch (const std::exception&) {
        err << ErrorLine(target, kFailedToSaveText) << "\n";
        return kExitFailure;
    }
    if (!WriteOutput(target, bytes, out, errorText)) {
        err << ErrorLine(target, errorText) << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

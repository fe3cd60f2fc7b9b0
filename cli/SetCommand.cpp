// dorvan-cli set: typing into a branch's cells from a script.
#include "BranchEdit.h"
#include "CliCommands.h"
#include "CliMessages.h"
#include "CliOptions.h"
#include "KalvexDoc.h"
#include "archive/DocumentFile.h"

#include <algorithm>
#include <ostream>

namespace {

struct CAssignment {
    std::string typed;  // KEY=VALUE as given
    ColumnId column = 0;
    std::string text;
};

}  // namespace

int SetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed = ParseCliArgs(args, {"--branch", "--id", "--save"}, {});
    const std::size_t given = std::max<std::size_t>(parsed.positional.size(), 2);
    if (const auto done = CommandPreamble("set", parsed, given, "expects a document file name and KEY=VALUE", out, err))
        return *done;
    const std::string& path = parsed.positional[0];
    const std::string* save = parsed.Value("--save");
    if (save && save->empty())
        return UsageError("set", "option '--save' needs a file name", err);

    std::vector<CAssignment> assignments;
    for (std::size_t i = 1; i < parsed.positional.size(); ++i) {
        const std::string& typed = parsed.positional[i];
        const std::size_t equals = typed.find('=');
        CAssignment a{typed, 0, equals == std::string::npos ? std::string() : typed.substr(equals + 1)};
        if (equals != std::string::npos)
            a.column = EditableColumn(typed.substr(0, equals));
        if (a.column == 0)
            return UsageError("set", "'" + typed + "' is not KEY=VALUE with a KEY of the branch table or the "
                                     "intake air source table",
                              err);
        for (const CAssignment& earlier : assignments)
            if (earlier.column == a.column)
                return UsageError("set", "'" + typed + "' sets a key that '" + earlier.typed + "' sets already", err);
        assignments.push_back(a);
    }

    CKalvexDoc doc;
    if (!LoadForCommand(path, doc, err))
        return kExitFailure;
    int index = -1;
    if (std::string error = FindNamedBranch(doc, parsed.Value("--branch"), parsed.Value("--id"), index);
        !error.empty())
        return UsageError("set", error, err);

    // Every value is checked before any is stored, so a refusal writes nothing.
    bool refused = false;
    for (const CAssignment& a : assignments) {
        const std::string message = CheckBranchEdit(doc, index, a.column, a.text);
        if (!message.empty()) {
            err << ErrorLine(path, a.typed + ": " + message) << "\n";
            refused = true;
        }
    }
    if (refused)
        return kExitDataErrors;
    for (const CAssignment& a : assignments)
        ApplyBranchEdit(doc, index, a.column, a.text);

    const std::string target = save ? *save : path;
    std::string errorText;
    bool written = false;
    try {
        if (target == "-") {
            written = WriteOutput(target, WriteDocumentBytes(doc), out, errorText);
        } else {
            const CFileResult result = WriteDocumentFile(target, doc);
            written = result.ok;
            errorText = result.message;
        }
    } catch (const std::exception&) {
        errorText = kFailedToSaveText;
    }
    if (!written) {
        err << ErrorLine(target, errorText) << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

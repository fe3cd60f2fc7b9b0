#include "ResultsCsv.h"

#include "ColumnCatalogue.h"
#include "KalvexBranch.h"

namespace {

std::string ColumnHeading(ColumnId id)
{
    std::string text = ColumnTitle(id);
    const std::string unit = ColumnUnit(id);
    if (!unit.empty())
        text += " " + unit;
    return text;
}

}  // namespace

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string BranchResultsCsv(const CKalvexBranch& branch, int number, const std::vector<ColumnId>& columns,
                             const ResultCellText& cellText)
{
    std::string csv = "Branch,";
    csv += std::to_string(number);
    csv += ',';
    csv += CsvField(branch.name);
    csv += '\n';
    for (std::size_t c = 0; c < columns.size(); ++c) {
        csv += CsvField(ColumnHeading(columns[c]));
        csv += c + 1 == columns.size() ? "\n" : ",";
    }
    for (int r = 0; r < branch.ResultCount(); ++r) {
        const CResultInterval& row = branch.ResultAt(r);
        csv += std::to_string(r + 1);
        if (row.isMessage) {
            csv += ',';
            csv += CsvField(row.messageText);
            csv += '\n';
            continue;
        }
        for (std::size_t c = 1; c < columns.size(); ++c) {
            std::string text;
            if (cellText)
                cellText(columns[c], r, text);
            else
                branch.GetResultText(columns[c], text, r);
            csv += ',';
            csv += CsvField(text);
        }
        csv += "\n";
    }
    return csv;
}

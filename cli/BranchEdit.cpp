#include "BranchEdit.h"

#include "CliMessages.h"
#include "DocumentFields.h"
#include "InputCheck.h"
#include "KalvexDoc.h"

ColumnId EditableColumn(const std::string& key)
{
    if (key == "name")
        return Col::Name;
    if (key == "description")
        return Col::Description;
    const CBranchNumberField* field = FindBranchNumberField(key);
    return field ? field->column : 0;
}

std::vector<std::string> EditableKeys()
{
    std::vector<std::string> keys{"name", "description"};
    for (const CBranchNumberField& field : BranchNumberFields())
        if (field.column != 0)
            keys.emplace_back(field.name);
    return keys;
}

std::string CheckBranchEdit(const CKalvexDoc& doc, int index, ColumnId column, const std::string& text)
{
    const CKalvexBranch& branch = doc.BranchAt(index);
    const bool airSourceColumn = kAirSourceColumns.IsData(column);
    CCellDescription cell;
    branch.GetColumnCell(column, cell, doc.sequenceMode, airSourceColumn && index == 0);
    if (!cell.editable) {
        if (airSourceColumn)
            return index == 0 ? "the first branch takes no additional air"
                              : "a branch without source branches takes no additional air";
        return "in sequence mode this branch's intake air comes from its source branches";
    }
    return CheckInputText(column, text);
}

void ApplyBranchEdit(CKalvexDoc& doc, int index, ColumnId column, const std::string& text)
{
    doc.BranchAt(index).SetColumnText(column, text);
    doc.SetModifiedFlag();
}

std::string FindNamedBranch(const CKalvexDoc& doc, const std::string* number, const std::string* id, int& index)
{
    if ((number != nullptr) == (id != nullptr))
        return "expects either --branch N or --id ID";
    if (number) {
        int n = 0;
        std::string error = ReadBranchNumber(*number, doc.BranchCount(), n);
        index = n - 1;
        return error;
    }
    const bool digits = !id->empty() && id->size() <= 5 && id->find_first_not_of("0123456789") == std::string::npos;
    const int value = digits ? std::stoi(*id) : -1;
    index = value >= 0 && value <= 65535 ? doc.FindBranchIndex(static_cast<std::uint16_t>(value)) : -1;
    return index >= 0 ? std::string() : "--id " + *id + ": no branch has this id";
}

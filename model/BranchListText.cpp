#include "BranchListText.h"

#include "KalvexDoc.h"

#include <cstdint>

std::vector<std::string> SelectBranchList(const CKalvexDoc& doc, const CKalvexBranch* branch, int& index)
{
    index = -1;
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(doc.BranchCount()));
    for (int position = 0; position < doc.BranchCount(); ++position) {
        const CKalvexBranch& entry = doc.BranchAt(position);
        if (branch == &entry)
            index = position;
        list.push_back(std::to_string(position + 1) + " - " + entry.name);
    }
    return list;
}

bool DropStaleSourceIds(const CKalvexDoc& doc, CKalvexBranch& branch)
{
    std::vector<std::uint16_t> ids = branch.SourceBranchIds();
    const auto removed = std::erase_if(ids, [&doc](std::uint16_t id) { return doc.FindBranchIndex(id) < 0; });
    if (removed == 0)
        return false;
    branch.SetSourceBranchIds(ids);
    return true;
}

std::string SourceBranchText(const CKalvexDoc& doc, CKalvexBranch& branch)
{
    if (doc.BranchCount() > 0 && &doc.BranchAt(0) == &branch)
        return "None - N/A";
    DropStaleSourceIds(doc, branch);
    if (branch.SourceBranchIds().empty())
        return "None";
    std::string text;
    for (std::uint16_t id : branch.SourceBranchIds()) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(doc.FindBranchIndex(id) + 1);
    }
    return text;
}

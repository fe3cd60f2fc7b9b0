#pragma once
// The variants of a study: every combination of the values each --vary
// gives one branch input.
#include "ColumnIds.h"

#include <cstddef>
#include <string>
#include <vector>

class CKalvexDoc;

// One --vary "N:KEY=FROM:TO:STEPS": STEPS values from FROM to TO in equal
// steps (FROM alone when STEPS is 1), typed into branch N's cell KEY.
struct CStudyAxis {
    std::string spec;  // as given
    int branchIndex = -1;
    std::string key;
    ColumnId column = 0;
    std::vector<std::string> texts;  // the values as typed into the cell
};

// Most variants one study runs.
inline constexpr std::size_t kMaxStudyVariants = 1000000;

// Reads one --vary against the document. On failure returns the message,
// and sets dataError when the values were understood but a cell refuses
// one (the cell's own message is then in the text).
std::string ReadStudyAxis(const std::string& spec, const CKalvexDoc& doc, CStudyAxis& axis, bool& dataError);

// The number of variants, 0 when it would exceed kMaxStudyVariants.
std::size_t StudyVariantCount(const std::vector<CStudyAxis>& axes);

// The value index of each axis in variant v: the first axis varies slowest.
std::vector<std::size_t> StudyVariantIndexes(const std::vector<CStudyAxis>& axes, std::size_t variant);

// Types the variant's values into the document's cells.
void ApplyStudyVariant(CKalvexDoc& doc, const std::vector<CStudyAxis>& axes, std::size_t variant);

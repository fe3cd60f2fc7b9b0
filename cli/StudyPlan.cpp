#include "StudyPlan.h"

#include "BranchEdit.h"
#include "CliMessages.h"
#include "ExactNumber.h"
#include "KalvexDoc.h"
#include "NumberText.h"

namespace {

// A whole text read as one number ("-2.5", "10"), as the cells accept them.
bool ReadWholeNumber(const std::string& text, double& value)
{
    const ParsedNumber parsed = ParseLeadingNumber(text);
    value = parsed.value;
    return parsed.used == text.size() && !text.empty() && IsNumberText(text);
}

}  // namespace

std::string ReadStudyAxis(const std::string& spec, const CKalvexDoc& doc, CStudyAxis& axis, bool& dataError)
{
    dataError = false;
    axis.spec = spec;
    const std::string form = "--vary " + spec + ": expects N:KEY=FROM:TO:STEPS";
    const std::size_t colon = spec.find(':');
    const std::size_t equals = spec.find('=');
    if (colon == std::string::npos || equals == std::string::npos || equals < colon)
        return form;
    int number = 0;
    if (std::string error = ReadBranchNumber(spec.substr(0, colon), doc.BranchCount(), number); !error.empty())
        return "--vary " + spec + ": " + error.substr(error.find(':') + 2);
    axis.branchIndex = number - 1;
    axis.key = spec.substr(colon + 1, equals - colon - 1);
    axis.column = EditableColumn(axis.key);
    if (axis.column == 0 || axis.column == Col::Name || axis.column == Col::Description)
        return "--vary " + spec + ": '" + axis.key + "' is not a number of the branch table or the intake air "
                                                     "source table";

    const std::string range = spec.substr(equals + 1);
    const std::size_t first = range.find(':');
    const std::size_t second = first == std::string::npos ? first : range.find(':', first + 1);
    if (second == std::string::npos)
        return form;
    double from = 0.0, to = 0.0;
    const std::string stepsText = range.substr(second + 1);
    if (!ReadWholeNumber(range.substr(0, first), from) || !ReadWholeNumber(range.substr(first + 1, second - first - 1), to) ||
        !IsIntegerText(stepsText) || stepsText.size() > 7)
        return form;
    const int steps = std::stoi(stepsText);
    if (steps < 1)
        return "--vary " + spec + ": STEPS is at least 1";
    if (steps == 1 && from != to)
        return "--vary " + spec + ": one step takes FROM alone; give FROM and TO alike";

    axis.texts.clear();
    for (int i = 0; i < steps; ++i) {
        // The last value is TO itself, not the sum of the steps.
        const double value = i == steps - 1 ? to : from + (to - from) * i / (steps - 1);
        const std::string text = ExactNumberText(value);
        if (std::string message = CheckBranchEdit(doc, axis.branchIndex, axis.column, text); !message.empty()) {
            dataError = true;
            return "--vary " + spec + ": " + axis.key + "=" + text + ": " + message;
        }
        axis.texts.push_back(text);
    }
    return {};
}

std::size_t StudyVariantCount(const std::vector<CStudyAxis>& axes)
{
    std::size_t count = 1;
    for (const CStudyAxis& axis : axes) {
        if (axis.texts.empty() || count > kMaxStudyVariants / axis.texts.size())
            return 0;
        count *= axis.texts.size();
    }
    return count;
}

std::vector<std::size_t> StudyVariantIndexes(const std::vector<CStudyAxis>& axes, std::size_t variant)
{
    std::vector<std::size_t> indexes(axes.size());
    for (std::size_t a = axes.size(); a-- > 0;) {
        indexes[a] = variant % axes[a].texts.size();
        variant /= axes[a].texts.size();
    }
    return indexes;
}

void ApplyStudyVariant(CKalvexDoc& doc, const std::vector<CStudyAxis>& axes, std::size_t variant)
{
    const std::vector<std::size_t> indexes = StudyVariantIndexes(axes, variant);
    for (std::size_t a = 0; a < axes.size(); ++a)
        ApplyBranchEdit(doc, axes[a].branchIndex, axes[a].column, axes[a].texts[indexes[a]]);
}

#include "GXUndoHistory.h"

#include <initializer_list>
#include <iterator>
#include <utility>

void CGXUndoHistory::Record(CGXUndoStep step)
{
    if (!enabled || step.actions.empty())
        return;
    undoSteps.push_back(std::move(step));
    if (undoSteps.size() > kMaxSteps)
        undoSteps.erase(undoSteps.begin());
    redoSteps.clear();
}

CGXUndoStep CGXUndoHistory::TakeUndo()
{
    if (undoSteps.empty())
        return {};
    CGXUndoStep step = std::move(undoSteps.back());
    undoSteps.pop_back();
    redoSteps.push_back(step);
    return step;
}

CGXUndoStep CGXUndoHistory::TakeRedo()
{
    if (redoSteps.empty())
        return {};
    CGXUndoStep step = std::move(redoSteps.back());
    redoSteps.pop_back();
    undoSteps.push_back(step);
    return step;
}

void CGXUndoHistory::RestoreUndo(CGXUndoStep step)
{
    // The step was moved to the redo list by TakeUndo; move it back.
    if (!redoSteps.empty())
        redoSteps.pop_back();
    undoSteps.push_back(std::move(step));
}

void CGXUndoHistory::RestoreRedo(CGXUndoStep step)
{
    if (!undoSteps.empty())
        undoSteps.pop_back();
    redoSteps.push_back(std::move(step));
}

void CGXUndoHistory::Empty()
{
    undoSteps.clear();
    redoSteps.clear();
}

void CGXUndoHistory::DropUnfit(const std::function<bool(const CGXUndoStep&)>& fits)
{
    // Both lists hold the next step to take at the back; a step further to
    // the front can only be taken after the ones behind it.
    for (std::vector<CGXUndoStep>* steps : {&undoSteps, &redoSteps}) {
        auto keepFrom = steps->begin();
        for (auto it = steps->begin(); it != steps->end(); ++it)
            if (!fits(*it))
                keepFrom = std::next(it);
        steps->erase(steps->begin(), keepFrom);
    }
}

CGXGridRuntime& CGXGridRuntime::Of(CGXGridParam& param)
{
    auto* runtime = dynamic_cast<CGXGridRuntime*>(param.runtime.get());
    if (!runtime) {
        param.runtime = std::make_unique<CGXGridRuntime>();
        runtime = static_cast<CGXGridRuntime*>(param.runtime.get());
    }
    return *runtime;
}

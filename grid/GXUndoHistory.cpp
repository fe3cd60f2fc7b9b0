#include "GXUndoHistory.h"

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

CGXGridRuntime& CGXGridRuntime::Of(CGXGridParam& param)
{
    auto* runtime = dynamic_cast<CGXGridRuntime*>(param.runtime.get());
    if (!runtime) {
        param.runtime = std::make_unique<CGXGridRuntime>();
        runtime = static_cast<CGXGridRuntime*>(param.runtime.get());
    }
    return *runtime;
}

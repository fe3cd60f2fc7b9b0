#pragma once
// Undo and redo history of one parameter object: cell edits (with the text
// before and after) and row or column moves. It lives in the parameter
// object's run-time slot (CGXGridRuntime), so every grid bound to the same
// parameter object shares it; it is never saved.
#include "GridParam.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <variant>
#include <vector>

struct CGXUndoCell {
    int row = 0;
    int col = 0;
    QString before;
    QString after;
};

struct CGXUndoMove {
    bool rows = true;  // false: columns
    int from = 0;
    int to = 0;
    int dest = 0;
};

using CGXUndoAction = std::variant<CGXUndoCell, CGXUndoMove>;

// One user action: undone and redone as a whole (a paste of many cells is one step).
struct CGXUndoStep {
    std::vector<CGXUndoAction> actions;
};

class CGXUndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 200;

    // Records a new step (ignored while disabled or when empty) and forgets the redo steps.
    void Record(CGXUndoStep step);
    bool CanUndo() const { return !undoSteps.empty(); }
    bool CanRedo() const { return !redoSteps.empty(); }
    // The step to undo; it moves to the redo list. Empty step when there is none.
    CGXUndoStep TakeUndo();
    // The step to redo; it moves back to the undo list.
    CGXUndoStep TakeRedo();
    // Puts a step back when undoing or redoing it failed half-way.
    void RestoreUndo(CGXUndoStep step);
    void RestoreRedo(CGXUndoStep step);
    void Empty();
    // Forgets the steps `fits` rejects, with every step that can only be
    // undone (or redone) after them.
    void DropUnfit(const std::function<bool(const CGXUndoStep&)>& fits);

    void Enable(bool on) { enabled = on; }
    bool IsEnabled() const { return enabled; }
    std::size_t UndoCount() const { return undoSteps.size(); }
    std::size_t RedoCount() const { return redoSteps.size(); }

private:
    std::vector<CGXUndoStep> undoSteps;
    std::vector<CGXUndoStep> redoSteps;
    bool enabled = true;
};

// The grid component's run-time state in a parameter object.
class CGXGridRuntime : public CGridRuntime {
public:
    CGXUndoHistory history;

    // The run-time state of a parameter object, created when it has none
    // (or holds state of another kind, which is replaced).
    static CGXGridRuntime& Of(CGXGridParam& param);
};

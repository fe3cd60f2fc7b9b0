#pragma once
// What the Columns dialog edits: the ids a table can show but does not
// (available) and the ids it shows, in order. Together they always hold
// each of the table's data column ids once. Plain C++ so tests drive it
// without widgets.
#include "ColumnIds.h"

#include <vector>

class CColumnChoice {
public:
    CColumnChoice(std::vector<ColumnId> available, std::vector<ColumnId> shown, std::vector<ColumnId> table);
    // The choice a table's column list gives (its header id first).
    static CColumnChoice ForList(const std::vector<ColumnId>& list, ColumnRange range);

    const std::vector<ColumnId>& Available() const { return m_available; }
    const std::vector<ColumnId>& Shown() const { return m_shown; }

    // Positions are list lines; -1 means no line selected. Each returns the
    // line to select afterwards in the list it changed (-1 for none).
    // Add: the available line goes in front of the selected shown line, or
    // to the end when none is selected.
    int Add(int availableLine, int shownLine);
    // Remove: the shown line goes to the end of the available list.
    int Remove(int shownLine);
    void Reset();
    int MoveUp(int shownLine);
    int MoveDown(int shownLine);

private:
    std::vector<ColumnId> m_available;
    std::vector<ColumnId> m_shown;
    std::vector<ColumnId> m_table;
};

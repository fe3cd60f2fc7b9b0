#pragma once
// What one grid tells the other grids bound to the same parameter object
// after it changed something they show. The grid hands a hint to its owner
// (CGXGridView::OnGridHint), the owner sends it through the document's
// update-all-views, and every other view gives it untouched to its grid
// (CGXGridView::ProcessHint). A grid ignores hints about parameter objects
// other than its own and hints it sent itself.
#include "DocumentObserver.h"
#include "GXRange.h"

struct CGXGridParam;

class CGXGridHint : public CUpdateHint {
public:
    enum class Kind {
        Layout,     // sizes, frozen columns, zoom or options in the parameter object changed
        Properties, // display properties changed
        Cells,      // the contents of `range` changed (an edit, a paste, a replace)
        RowsMoved,  // rows from..to were moved to dest (the records moved too)
        ColsMoved,  // columns from..to were moved to dest
    };

    CGXGridHint(Kind what, const CGXGridParam* about, const void* origin)
        : kind(what), param(about), sender(origin) {}

    Kind kind;
    const CGXGridParam* param;  // the parameter object the change concerns
    const void* sender;         // the grid that sent it
    CGXRange range;             // Cells: the cells that changed
    int from = 0, to = 0, dest = 0;  // RowsMoved, ColsMoved
};

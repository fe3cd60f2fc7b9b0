#pragma once
// Sent through update-all-views when the column list or the stored column
// widths of one table changed by other means than its grid (an undo of a
// column move): the views on that table re-read their layout.
#include "DocumentObserver.h"

#include <cstdint>
#include <vector>

class CLayoutHint : public CUpdateHint {
public:
    explicit CLayoutHint(const std::vector<std::uint16_t>* list) : columns(list) {}
    const std::vector<std::uint16_t>* columns;  // the document's list that changed
};
